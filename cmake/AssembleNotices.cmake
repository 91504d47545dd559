# Writes THIRD-PARTY-NOTICES.txt for the portable folder from the licence
# texts as their authors and Debian ship them; only the headings and the
# words on Qt's source are Morvane's own.
#
# cmake -DINPUTS=<file> -P AssembleNotices.cmake, where <file> (written by
# ThirdPartyNotices.cmake, or by a test) sets:
#   notices_file      the file to write
#   platform          "Windows" or "Linux"
#   version           Morvane's version
#   data_notices      notice files of data the folder carries
#   components        the WindowsComponents.cmake components the folder
#                     carries (none on Linux); for each Debian package,
#                     <component>_VERSION and <component>_SOURCE (the source
#                     package and its version)
#   doc_root          where packages' copyright files are (/usr/share/doc)
#   common_licences   where Debian keeps the common licences' texts
#   qt_version        on Linux, the version of the system's Qt
#   qt_licences       Qt's source tree, or the part that windows-qt.sh keeps
#   qt_left_out       Ids in its qt_attribution.json files of parts that this
#                     Qt build left out of its libraries
#   qt_script         scripts/windows-qt.sh, which holds the configure options

cmake_minimum_required(VERSION 3.25)
include(${INPUTS})
include(${CMAKE_CURRENT_LIST_DIR}/WindowsComponents.cmake)

string(REPEAT "=" 78 rule)
string(REPEAT "-" 78 thin_rule)
set(body "")
set(contents "")
set(section 0)
set(printed_texts "")

function(read_text path out)
    if(NOT EXISTS ${path})
        message(FATAL_ERROR "Missing licence text: ${path}")
    endif()
    file(READ ${path} text)
    string(REGEX REPLACE "\n+$" "" text "${text}")
    string(APPEND text "\n")
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

# Appends a text under its label; one given already (by any path) is named
# instead of repeated.
macro(add_text label path)
    read_text(${path} text)
    string(SHA256 text_hash "${text}")
    if(text_hash IN_LIST printed_texts)
        string(APPEND body "\n${label}: the same text as given above for ${text_label_${text_hash}}.\n")
    else()
        list(APPEND printed_texts ${text_hash})
        set(text_label_${text_hash} "${label}")
        string(APPEND body "\n${thin_rule}\n${label}\n${thin_rule}\n\n${text}")
    endif()
endmacro()

macro(begin_section title files)
    math(EXPR section "${section} + 1")
    string(APPEND contents "  ${section}. ${title}\n")
    if(NOT "${files}" STREQUAL "")
        string(APPEND contents "       ${files}\n")
    endif()
    string(APPEND body "\n\n${rule}\n${section}. ${title}\n${rule}\n\n")
endmacro()

# The value of a key of a qt_attribution.json entry, "" if it has none. Where
# a key is given twice, the second is the value (the first is a note).
function(attribution_value entry key out)
    string(JSON value ERROR_VARIABLE missing GET "${entry}" ${key})
    if(missing)
        set(value "")
    endif()
    set(${out} "${value}" PARENT_SCOPE)
endfunction()

# One bundled part of Qt, the attribution entry ${entry} of a file in
# ${json_dir}: its heading, copyright and licence text. (The entry is read from
# the variable, never passed: a macro would expand what its text holds.)
macro(add_qt_part)
    foreach(key IN ITEMS Id Name Version QDocModule License LicenseId LicenseFile Copyright)
        attribution_value("${entry}" ${key} part_${key})
    endforeach()
    string(APPEND body "\n${thin_rule}\n${part_Name}")
    if(part_Version)
        string(APPEND body " ${part_Version}")
    endif()
    string(APPEND body "\n${thin_rule}\n\n")
    string(APPEND body "In ${qt_module_names_${part_QDocModule}}. Licence: ${part_License}")
    if(part_LicenseId)
        string(APPEND body " (${part_LicenseId})")
    endif()
    string(APPEND body ".\n${part_Copyright}\n")
    if(part_LicenseFile)
        cmake_path(ABSOLUTE_PATH part_LicenseFile BASE_DIRECTORY ${json_dir} NORMALIZE)
        add_text("Licence of ${part_Name}" ${part_LicenseFile})
    endif()
endmacro()

# Every part of Qt's source that its attribution files place in the modules
# the folder carries (Qt6Core.dll is Qt Core, documented as "qtcore"), but
# for the parts this build left out.
macro(add_qt_parts)
    set(qt_modules "")
    foreach(dll IN LISTS qt_DLLS)
        if(dll MATCHES "^Qt6([A-Za-z]+)\\.dll$")
            string(TOLOWER "qt${CMAKE_MATCH_1}" module)
            list(APPEND qt_modules ${module})
            set(qt_module_names_${module} "Qt ${CMAKE_MATCH_1}")
        endif()
    endforeach()
    file(GLOB_RECURSE attribution_files ${qt_licences}/qt_attribution.json)
    list(SORT attribution_files)
    set(qt_parts_found "")
    foreach(attribution_file IN LISTS attribution_files)
        cmake_path(GET attribution_file PARENT_PATH json_dir)
        file(READ ${attribution_file} json)
        string(JSON json_type ERROR_VARIABLE unreadable TYPE "${json}")
        if(unreadable)
            message(FATAL_ERROR "${attribution_file} cannot be read: ${unreadable}")
        endif()
        set(entry_count 1)
        if(json_type STREQUAL "ARRAY")
            string(JSON entry_count LENGTH "${json}")
        endif()
        math(EXPR last_entry "${entry_count} - 1")
        foreach(index RANGE ${last_entry})
            set(entry "${json}")
            if(json_type STREQUAL "ARRAY")
                string(JSON entry GET "${json}" ${index})
            endif()
            attribution_value("${entry}" Id id)
            attribution_value("${entry}" QDocModule module)
            list(APPEND qt_parts_found ${id})
            if(module IN_LIST qt_modules AND NOT id IN_LIST qt_left_out)
                add_qt_part()
            endif()
        endforeach()
    endforeach()
    # A rule for a part the source does not have is a rule gone stale.
    foreach(id IN LISTS qt_left_out)
        if(NOT id IN_LIST qt_parts_found)
            message(FATAL_ERROR "Qt's source has no part \"${id}\" to leave out; see ThirdPartyNotices.cmake")
        endif()
    endforeach()
endmacro()

macro(add_qt)
    file(STRINGS ${qt_licences}/debian/changelog changelog_head LIMIT_COUNT 1)
    if(NOT changelog_head MATCHES "^qt6-base \\(([0-9.]+)\\+([^)]*)\\)")
        message(FATAL_ERROR "${qt_licences}/debian/changelog does not begin with qt6-base's version")
    endif()
    set(qt_version ${CMAKE_MATCH_1})
    set(debian_version "${CMAKE_MATCH_1}+${CMAKE_MATCH_2}")
    file(READ ${qt_script} script)
    if(NOT script MATCHES "qt_configure_options=\\(([^)]*)\\)")
        message(FATAL_ERROR "${qt_script} has no qt_configure_options")
    endif()
    string(REGEX REPLACE "[ \n]+" " " configure_options "${CMAKE_MATCH_1}")
    string(STRIP "${configure_options}" configure_options)
    file(STRINGS ${qt_licences}/src/entrypoint/qtentrypoint_win.cpp entry_point_copyright
         REGEX "Copyright" LIMIT_COUNT 1)
    string(REGEX REPLACE "^// *" "" entry_point_copyright "${entry_point_copyright}")
    list(JOIN qt_DLLS " " files)

    begin_section("${qt_NAME} ${qt_version}" "${files}")
    string(APPEND body "Files:    ${files}
Version:  ${qt_version}, from Debian's source package qt6-base ${debian_version}
Licence:  ${qt_LICENCE}

Morvane uses Qt under the GNU Lesser General Public License version 3, whose
text follows with that of the GNU General Public License version 3, which it
extends.

Source: these DLLs were built without changes from Debian's source package
qt6-base ${debian_version} (Qt's source with Debian's patches): on Debian,
`apt-get source qt6-base=${debian_version}`; anywhere, from
https://snapshot.debian.org/package/qt6-base/${debian_version}/
They were cross-compiled with Debian's MinGW-w64 (GCC, POSIX threads, SEH) for
64-bit Windows and configured with:
    ${configure_options}

Using your own Qt: Morvane loads these DLLs from its folder when it starts,
so you may replace them with your own build of Qt (${qt_version} or a later Qt 6,
changed as you like), built for 64-bit Windows with MinGW-w64: put your
Qt6Core.dll, Qt6Gui.dll and Qt6Widgets.dll beside morvane.exe and your
plugins in its platforms and styles folders, in place of these.
")
    add_text("GNU Lesser General Public License version 3" ${qt_licences}/LICENSES/LGPL-3.0-only.txt)
    add_text("GNU General Public License version 3" ${qt_licences}/LICENSES/GPL-3.0-only.txt)
    string(APPEND body "
Qt's Windows entry point (the WinMain that starts Qt), built into morvane.exe,
is under the BSD 3-Clause licence instead:
${entry_point_copyright}
")
    add_text("BSD 3-Clause licence" ${qt_licences}/LICENSES/BSD-3-Clause.txt)
    string(APPEND body "
Qt builds these parts of others into its libraries, each under its own
licence:
")
    add_qt_parts()
endmacro()

# On Linux, Qt is the system's, but templates and inline functions from its
# headers are compiled into the program: the LGPL (section 3) asks for a
# notice that Qt is used, with the licence's texts.
macro(add_system_qt)
    begin_section("Qt ${qt_version} (your system's libraries, not in this folder)" "")
    string(APPEND body "Morvane uses Qt, as the shared libraries that your system provides, under the
GNU Lesser General Public License version 3. The program carries code from
Qt's header files, so the texts of that licence and of the GNU General Public
License version 3, which it extends, follow.
")
    add_text("GNU Lesser General Public License version 3" ${common_licences}/LGPL-3)
    add_text("GNU General Public License version 3" ${common_licences}/GPL-3)
endmacro()

macro(add_debian_component component)
    set(package ${${component}_PACKAGE})
    list(JOIN ${component}_DLLS " " files)
    begin_section("${${component}_NAME}" "${files}")
    string(APPEND body "Files:    ${files}
Version:  ${${component}_VERSION} (Debian package ${package})
Licence:  ${${component}_LICENCE}
Source:   Debian's source package ${${component}_SOURCE}
")
    add_text("${package}'s copyright file (${doc_root}/${package}/copyright)" ${doc_root}/${package}/copyright)
    foreach(licence IN LISTS ${component}_COMMON_LICENCES)
        add_text("${licence}, which that file refers to (${common_licences}/${licence})"
                 ${common_licences}/${licence})
    endforeach()
endmacro()

if(platform STREQUAL "Linux")
    add_system_qt()
endif()
foreach(component IN LISTS components)
    if(component STREQUAL "qt")
        add_qt()
    elseif(DEFINED ${component}_PACKAGE)
        add_debian_component(${component})
    else()
        message(FATAL_ERROR "No notice is known for the Windows component \"${component}\"")
    endif()
endforeach()

foreach(notice IN LISTS data_notices)
    cmake_path(GET notice FILENAME notice_name)
    begin_section("Data: ${notice_name}" "")
    read_text(${notice} text)
    string(APPEND body "${text}")
endforeach()

if(platform STREQUAL "Linux")
    set(preamble "This folder carries no libraries of others: Morvane uses the Qt and C++
runtime libraries of your system, which come with their own notices (on
Debian and Ubuntu in /usr/share/doc/<package>/copyright). This file gives
the notices that the program and its data owe.")
else()
    set(preamble "For everything else in this folder, this file gives, part by part, the files
it brings, its version, its licence and the licence's full text.")
endif()

file(WRITE ${notices_file} "Third-party notices for Morvane ${version} for ${platform}
${rule}

Morvane itself is under the MIT licence: see LICENSE.txt.
${preamble}

Contents:
${contents}${body}")
