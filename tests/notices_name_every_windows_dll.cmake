# The Windows folder's notices name every DLL that WindowsComponents.cmake
# lists and carry every licence text they are assembled from, on any build
# machine: AssembleNotices.cmake runs here for Windows on stand-ins for Qt's
# source tree and for Debian's copyright files, each stand-in text unique, so
# a component added without a notice, or a text or DLL the assembly drops,
# fails here and not only in a Windows build.
#
# cmake -DSCRATCH=<scratch folder> -P notices_name_every_windows_dll.cmake

set(cmake_dir ${CMAKE_CURRENT_LIST_DIR}/../cmake)
include(${cmake_dir}/WindowsComponents.cmake)
file(REMOVE_RECURSE ${SCRATCH})
set(expected_texts)

function(stand_in path)
    file(WRITE ${path} "Stand-in text at ${path}\n")
    set(expected_texts ${expected_texts} "Stand-in text at ${path}" PARENT_SCOPE)
endfunction()

# Qt's source: its licences, and attribution files with a part built into Qt
# Core, two parts of Qt Gui under one licence file (given once), a part this
# build left out and one of a module the folder does not carry.
set(qt ${SCRATCH}/qt)
foreach(licence IN ITEMS LGPL-3.0-only GPL-3.0-only BSD-3-Clause)
    stand_in(${qt}/LICENSES/${licence}.txt)
endforeach()
file(WRITE ${qt}/debian/changelog "qt6-base (6.4.2+dfsg-10) unstable; urgency=medium\n")
file(WRITE ${qt}/src/entrypoint/qtentrypoint_win.cpp "// Copyright (C) 2019 Entry Point Holder\n")
stand_in(${qt}/src/3rdparty/kept/LICENSE)
file(WRITE ${qt}/src/3rdparty/kept/qt_attribution.json [[
{ "Id": "kept", "Name": "Kept Library", "QDocModule": "qtcore", "Version": "1.0",
  "License": "MIT License", "LicenseId": "MIT", "LicenseFile": "LICENSE",
  "Copyright": "Copyright Kept Authors" }
]])
stand_in(${qt}/src/gui/shared/SHARED_LICENSE.txt)
file(WRITE ${qt}/src/gui/shared/qt_attribution.json [[
[ { "Id": "first-shared", "Name": "First Sharer", "QDocModule": "qtgui",
    "License": "BSD", "LicenseFile": "SHARED_LICENSE.txt", "Copyright": "Copyright First" },
  { "Id": "second-shared", "Name": "Second Sharer", "QDocModule": "qtgui",
    "License": "BSD", "LicenseFile": "SHARED_LICENSE.txt", "Copyright": "Copyright Second" } ]
]])
file(WRITE ${qt}/src/3rdparty/gone/LICENSE "Text of a part left out\n")
file(WRITE ${qt}/src/3rdparty/gone/qt_attribution.json [[
{ "Id": "gone", "Name": "Left Out Library", "QDocModule": "qtgui",
  "License": "MIT License", "LicenseFile": "LICENSE", "Copyright": "Copyright Gone" }
]])
file(WRITE ${qt}/src/network/LICENSE "Text of a module not carried\n")
file(WRITE ${qt}/src/network/qt_attribution.json [[
{ "Id": "elsewhere", "Name": "Network Library", "QDocModule": "qtnetwork",
  "License": "MIT License", "LicenseFile": "LICENSE", "Copyright": "Copyright Elsewhere" }
]])

# Debian's copyright files and common licences for the other components.
set(components_inputs "")
foreach(component IN LISTS MORVANE_WINDOWS_COMPONENTS)
    if(DEFINED ${component}_PACKAGE)
        stand_in(${SCRATCH}/doc/${${component}_PACKAGE}/copyright)
        foreach(licence IN LISTS ${component}_COMMON_LICENCES)
            stand_in(${SCRATCH}/common-licenses/${licence})
        endforeach()
        string(APPEND components_inputs "set(${component}_VERSION 1.0)\nset(${component}_SOURCE \"source 1.0\")\n")
    endif()
endforeach()

set(notices_file ${SCRATCH}/THIRD-PARTY-NOTICES.txt)
file(WRITE ${SCRATCH}/inputs.cmake "
set(notices_file ${notices_file})
set(platform Windows)
set(version 1.0)
set(components ${MORVANE_WINDOWS_COMPONENTS})
set(doc_root ${SCRATCH}/doc)
set(common_licences ${SCRATCH}/common-licenses)
set(qt_licences ${qt})
set(qt_left_out gone)
set(qt_script ${CMAKE_CURRENT_LIST_DIR}/../scripts/windows-qt.sh)
${components_inputs}")
execute_process(COMMAND ${CMAKE_COMMAND} -DINPUTS=${SCRATCH}/inputs.cmake -P ${cmake_dir}/AssembleNotices.cmake
                RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "The notices could not be assembled")
endif()
file(READ ${notices_file} notices)

foreach(component IN LISTS MORVANE_WINDOWS_COMPONENTS)
    foreach(dll IN LISTS ${component}_DLLS)
        string(REGEX REPLACE "[][+.*?^$()|]" "\\\\\\0" pattern "${dll}")
        if(NOT notices MATCHES "(^|[ \n])${pattern}([ \n]|$)")
            message(SEND_ERROR "The notices do not name ${dll}")
        endif()
    endforeach()
endforeach()
foreach(text IN LISTS expected_texts)
    string(FIND "${notices}" "${text}" first)
    string(FIND "${notices}" "${text}" last REVERSE)
    if(first EQUAL -1)
        message(SEND_ERROR "The notices do not carry \"${text}\"")
    elseif(NOT first EQUAL last)
        message(SEND_ERROR "The notices carry \"${text}\" more than once")
    endif()
endforeach()
foreach(expected IN ITEMS "Kept Library 1.0" "Copyright Kept Authors" "Second Sharer" "Copyright Second"
                          "Copyright (C) 2019 Entry Point Holder" "qt6-base 6.4.2+dfsg-10")
    string(FIND "${notices}" "${expected}" at)
    if(at EQUAL -1)
        message(SEND_ERROR "The notices do not give \"${expected}\"")
    endif()
endforeach()
foreach(unexpected IN ITEMS "Left Out Library" "Text of a part left out" "Network Library" "Text of a module not carried")
    string(FIND "${notices}" "${unexpected}" at)
    if(NOT at EQUAL -1)
        message(SEND_ERROR "The notices give \"${unexpected}\", which the folder does not carry")
    endif()
endforeach()
