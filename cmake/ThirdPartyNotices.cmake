# LICENSE.txt and THIRD-PARTY-NOTICES.txt beside the program: Morvane's own
# licence, and the notices it owes for everything else in the folder,
# assembled at build time by AssembleNotices.cmake from the licence texts as
# their authors and Debian ship them.
#
# On Linux the folder carries no libraries of others (Morvane uses the
# system's Qt and C++ runtime), so its notices are those of the data and
# Qt's licence, which the program owes for the code it takes from Qt's
# headers. On Windows they are also those of every component in
# WindowsComponents.cmake.

# The notices of data the folder carries, each kept beside its data.
set(data_notices ${MORVANE_SEED_NOTICE})

set(notices_file ${CMAKE_BINARY_DIR}/THIRD-PARTY-NOTICES.txt)
set(notices_inputs ${CMAKE_BINARY_DIR}/notices-inputs.cmake)
set(notices_sources ${CMAKE_CURRENT_LIST_DIR}/AssembleNotices.cmake ${notices_inputs} ${data_notices})
set(platform ${CMAKE_SYSTEM_NAME})
set(version ${PROJECT_VERSION})
set(common_licences /usr/share/common-licenses)
set(components)

if(NOT WIN32)
    set(qt_version ${Qt6_VERSION})
    list(APPEND notices_sources ${common_licences}/LGPL-3 ${common_licences}/GPL-3)
else()
    include(${CMAKE_CURRENT_LIST_DIR}/WindowsComponents.cmake)
    set(components ${MORVANE_WINDOWS_COMPONENTS})
    list(APPEND notices_sources ${CMAKE_CURRENT_LIST_DIR}/WindowsComponents.cmake)
    set(doc_root /usr/share/doc)

    # Kept beside the Windows Qt by scripts/windows-qt.sh.
    set(qt_licences ${QT6_INSTALL_PREFIX}/source-licences)
    set(qt_script ${MORVANE_ROOT}/scripts/windows-qt.sh)
    if(NOT EXISTS ${qt_licences}/.complete)
        message(FATAL_ERROR "Qt's licence texts are not in ${qt_licences}, and the zip may not carry "
                            "Qt without them: scripts/windows-qt.sh keeps them beside the Qt it builds.")
    endif()
    file(GLOB_RECURSE qt_texts ${qt_licences}/*)
    list(APPEND notices_sources ${qt_texts} ${qt_script})

    # Parts of Qt Core and Qt Gui, as Qt's source names them in its
    # qt_attribution.json files, that Qt builds into its libraries only under
    # a condition (on the target or the Qt build's own features). A part with
    # no rule here is always built in and gets its notice, so one that a new
    # Qt starts to bundle is never left out unnoticed.
    set(qt_parts_built_when
        "forkfd|UNIX"  # QProcess on Unix
        "qeventdispatcher_cf|APPLE"
        "cocoa-platform-plugin|APPLE"
        "pixman|UNIX"  # ARM NEON drawing helpers
        "xcb-xinput|QT_FEATURE_xcb"
        "android-native-style|ANDROID"
        "android-gradle-wrapper|ANDROID"
        "dejayvu|WASM"
        "vera_font|WASM"
        "kwin|FALSE"  # CMake modules used while building Qt
        "extra-cmake-modules|FALSE"
        "opengl-headers|QT_FEATURE_opengl"
        "opengl-es2-headers|QT_FEATURE_opengles2"
        "vulkan-xml-spec|QT_FEATURE_vulkan"
        "VulkanMemoryAllocator|QT_FEATURE_vulkan"
        "libjpeg|QT_FEATURE_jpeg AND NOT QT_FEATURE_system_jpeg")
    # ...and what Qt bundles only when its feature is on and the system's
    # library is not used instead.
    list(APPEND qt_parts_built_when
        "zlib|NOT QT_FEATURE_system_zlib"
        "pcre2|QT_FEATURE_regularexpression AND NOT QT_FEATURE_system_pcre2"
        "pcre2-sljit|QT_FEATURE_regularexpression AND NOT QT_FEATURE_system_pcre2"
        "doubleconversion|QT_FEATURE_doubleconversion AND NOT QT_FEATURE_system_doubleconversion"
        "blake2|NOT QT_FEATURE_system_libb2"
        "easing|QT_FEATURE_easingcurve"
        "tinycbor|QT_FEATURE_cborstreamreader OR QT_FEATURE_cborstreamwriter"
        "libpng|QT_FEATURE_png AND NOT QT_FEATURE_system_png"
        "freetype|QT_FEATURE_freetype AND NOT QT_FEATURE_system_freetype"
        "freetype-zlib|QT_FEATURE_freetype AND NOT QT_FEATURE_system_freetype"
        "freetype-bdf|QT_FEATURE_freetype AND NOT QT_FEATURE_system_freetype"
        "freetype-pcf|QT_FEATURE_freetype AND NOT QT_FEATURE_system_freetype"
        "harfbuzz-ng|QT_FEATURE_harfbuzz AND NOT QT_FEATURE_system_harfbuzz"
        "md4c|QT_FEATURE_textmarkdownreader AND NOT QT_FEATURE_system_textmarkdownreader")
    set(qt_left_out)
    foreach(rule IN LISTS qt_parts_built_when)
        string(REPLACE "|" ";" rule "${rule}")
        list(GET rule 0 id)
        list(GET rule 1 condition)
        # A feature this Qt does not report would read as off.
        string(REGEX MATCHALL "QT_FEATURE_[a-z0-9_]+" features "${condition}")
        foreach(feature IN LISTS features)
            if(NOT DEFINED ${feature})
                message(FATAL_ERROR "Qt reports no ${feature}, which decides whether ${id} is in its libraries")
            endif()
        endforeach()
        cmake_language(EVAL CODE "if(NOT (${condition}))\n list(APPEND qt_left_out ${id})\nendif()")
    endforeach()

    foreach(component IN LISTS components)
        if(DEFINED ${component}_PACKAGE)
            list(APPEND notices_sources ${doc_root}/${${component}_PACKAGE}/copyright)
            list(TRANSFORM ${component}_COMMON_LICENCES PREPEND ${common_licences}/ OUTPUT_VARIABLE texts)
            list(APPEND notices_sources ${texts})
            execute_process(COMMAND dpkg-query -W "-f=\${Version}|\${source:Package} \${source:Version}"
                                    ${${component}_PACKAGE}
                            OUTPUT_VARIABLE package COMMAND_ERROR_IS_FATAL ANY)
            string(REPLACE "|" ";" package "${package}")
            list(GET package 0 ${component}_VERSION)
            list(GET package 1 ${component}_SOURCE)
        endif()
    endforeach()
endif()

# Rewritten only when it changes, so that the notices are assembled again
# only then.
set(inputs "")
foreach(name IN ITEMS notices_file platform version data_notices components
        doc_root common_licences qt_version qt_licences qt_left_out qt_script)
    string(APPEND inputs "set(${name} [==[${${name}}]==])\n")
endforeach()
foreach(component IN LISTS components)
    if(DEFINED ${component}_PACKAGE)
        string(APPEND inputs "set(${component}_VERSION [==[${${component}_VERSION}]==])\n"
                             "set(${component}_SOURCE [==[${${component}_SOURCE}]==])\n")
    endif()
endforeach()
file(WRITE ${notices_inputs}.new "${inputs}")
file(COPY_FILE ${notices_inputs}.new ${notices_inputs} ONLY_IF_DIFFERENT)

add_custom_command(OUTPUT ${notices_file}
    COMMAND ${CMAKE_COMMAND} -DINPUTS=${notices_inputs} -P ${CMAKE_CURRENT_LIST_DIR}/AssembleNotices.cmake
    DEPENDS ${notices_sources}
    COMMENT "Assembling THIRD-PARTY-NOTICES.txt"
    VERBATIM)
add_custom_target(morvane_notices ALL DEPENDS ${notices_file})

# .txt, so that Windows opens both with a double click.
install(FILES ${MORVANE_ROOT}/LICENSE DESTINATION . RENAME LICENSE.txt)
install(FILES ${notices_file} DESTINATION .)
