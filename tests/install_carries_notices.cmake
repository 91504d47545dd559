# Whoever passes the portable folder on passes on Morvane's licence and the
# third-party notices with it. Installs Morvane into a fresh folder and
# checks that it holds LICENSE.txt (Morvane's LICENSE) and
# THIRD-PARTY-NOTICES.txt, and that the notices name every DLL found in the
# folder: a DLL that reaches the folder without its notice fails here. On
# Windows the DLLs found must also be exactly those WindowsComponents.cmake
# lists, which is what the notices are assembled from.
#
# cmake -DBUILD_DIR=<build tree> -DPREFIX=<scratch folder> -DLICENSE=<LICENSE>
#       -DWINDOWS=<ON|OFF> -P install_carries_notices.cmake

file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                OUTPUT_QUIET RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "cmake --install failed")
endif()

execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${LICENSE} ${PREFIX}/LICENSE.txt
                RESULT_VARIABLE differs)
if(differs)
    message(SEND_ERROR "The folder's LICENSE.txt is not Morvane's LICENSE")
endif()
if(NOT EXISTS ${PREFIX}/THIRD-PARTY-NOTICES.txt)
    message(FATAL_ERROR "The folder has no THIRD-PARTY-NOTICES.txt")
endif()
file(READ ${PREFIX}/THIRD-PARTY-NOTICES.txt notices)

file(GLOB_RECURSE found_dlls RELATIVE ${PREFIX} ${PREFIX}/*.dll)
foreach(dll IN LISTS found_dlls)
    string(REGEX REPLACE "[][+.*?^$()|]" "\\\\\\0" pattern "${dll}")
    if(NOT notices MATCHES "(^|[ \n])${pattern}([ \n]|$)")
        message(SEND_ERROR "THIRD-PARTY-NOTICES.txt does not name ${dll}")
    endif()
endforeach()

if(WINDOWS)
    include(${CMAKE_CURRENT_LIST_DIR}/../cmake/WindowsComponents.cmake)
    set(listed_dlls)
    foreach(component IN LISTS MORVANE_WINDOWS_COMPONENTS)
        list(APPEND listed_dlls ${${component}_DLLS})
    endforeach()
    list(SORT listed_dlls)
    list(SORT found_dlls)
    if(NOT found_dlls STREQUAL listed_dlls)
        message(SEND_ERROR "The folder carries the DLLs ${found_dlls}, but WindowsComponents.cmake lists ${listed_dlls}")
    endif()
endif()
