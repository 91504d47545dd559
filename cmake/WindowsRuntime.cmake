# What morvane.exe loads besides Windows' own DLLs: Qt, the Qt plugins for
# the Windows platform and style (in the folders beside the executable that
# Qt looks in), and the MinGW C++ runtime. `cmake --install --strip` strips
# these too, so the folder carries no symbols.

set(qt_dlls $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>)
set(installed_dlls $<TARGET_FILE_NAME:Qt6::Core> $<TARGET_FILE_NAME:Qt6::Gui> $<TARGET_FILE_NAME:Qt6::Widgets>
    platforms/$<TARGET_FILE_NAME:Qt6::QWindowsIntegrationPlugin>
    styles/$<TARGET_FILE_NAME:Qt6::QWindowsVistaStylePlugin>)

set(mingw_dlls)
# Where the build's executables find these DLLs (tests run under Wine).
set(MORVANE_WINDOWS_DLL_DIRS $<TARGET_FILE_DIR:Qt6::Core>)
foreach(dll IN ITEMS libgcc_s_seh-1.dll libstdc++-6.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE dll_path OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    if(NOT IS_ABSOLUTE ${dll_path})
        message(FATAL_ERROR "The MinGW runtime ${dll} was not found")
    endif()
    list(APPEND mingw_dlls ${dll_path})
    list(APPEND installed_dlls ${dll})
    get_filename_component(dll_dir ${dll_path} DIRECTORY)
    list(APPEND MORVANE_WINDOWS_DLL_DIRS ${dll_dir})
endforeach()

install(FILES ${qt_dlls} ${mingw_dlls} DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)

install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
        foreach(dll IN ITEMS ${installed_dlls})
            execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/\${dll}\"
                            COMMAND_ERROR_IS_FATAL ANY)
        endforeach()
    endif()
")
