# What morvane.exe loads besides Windows' own DLLs, as WindowsComponents.cmake
# lists them: Qt, the Qt plugins for the Windows platform and style (in the
# folders beside the executable that Qt looks in), and the MinGW-w64 runtime.
# `cmake --install --strip` strips these too, so the folder carries no symbols.

include(${CMAKE_CURRENT_LIST_DIR}/WindowsComponents.cmake)

# Where the build's executables find these DLLs (tests run under Wine).
set(MORVANE_WINDOWS_DLL_DIRS $<TARGET_FILE_DIR:Qt6::Core>)
set(installed_dlls)
foreach(component IN LISTS MORVANE_WINDOWS_COMPONENTS)
    foreach(dll IN LISTS ${component}_DLLS)
        cmake_path(GET dll PARENT_PATH folder)
        if(component STREQUAL "qt")
            # A plugin's place in the folder is its place under Qt's plugins.
            if(folder)
                set(dll_path ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS}/${dll})
            else()
                set(dll_path ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}/${dll})
            endif()
        else()
            execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                            OUTPUT_VARIABLE dll_path OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
            cmake_path(GET dll_path PARENT_PATH dll_dir)
            list(APPEND MORVANE_WINDOWS_DLL_DIRS ${dll_dir})
        endif()
        if(NOT IS_ABSOLUTE ${dll_path} OR NOT EXISTS ${dll_path})
            message(FATAL_ERROR "${dll} was not found (looked for ${dll_path})")
        endif()
        install(FILES ${dll_path} DESTINATION ./${folder})
        list(APPEND installed_dlls ${dll})
    endforeach()
endforeach()

install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
        foreach(dll IN ITEMS ${installed_dlls})
            execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/\${dll}\"
                            COMMAND_ERROR_IS_FATAL ANY)
        endforeach()
    endif()
")
