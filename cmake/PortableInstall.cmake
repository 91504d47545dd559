# `cmake --install` lays out a portable Morvane folder: the program, data/
# with the seed catalogue and the licence notice of the game facts it is made
# from, Morvane's licence and the third-party notices and, on Linux, the icon
# in the usual sizes and a .desktop entry; on Windows the DLLs and Qt plugins
# the program loads.
#
# Installing again over an older folder is an update: install() never
# deletes, and of data/ only those two files are named, so every other file
# there (the player's characters and items) is left exactly as it was.

install(TARGETS morvane RUNTIME DESTINATION .)
install(FILES ${MORVANE_SEED_CATALOGUE} DESTINATION data)
set(MORVANE_SEED_NOTICE ${MORVANE_ROOT}/data/seed/GAME-ITEMS-LICENSE.txt)
install(FILES ${MORVANE_SEED_NOTICE} DESTINATION data)
include(${CMAKE_CURRENT_LIST_DIR}/ThirdPartyNotices.cmake)

if(WIN32)
    include(${CMAKE_CURRENT_LIST_DIR}/WindowsRuntime.cmake)
else()
    foreach(size IN ITEMS 16 24 32 48 64 128 256)
        install(FILES ${MORVANE_ROOT}/assets/icons/morvane-${size}.png DESTINATION icons)
    endforeach()
    # The entry names the folder it was installed into, known only then.
    install(CODE "
        set(MORVANE_INSTALL_DIR \"\${CMAKE_INSTALL_PREFIX}\")
        configure_file(\"${MORVANE_ROOT}/assets/linux/morvane.desktop.in\"
                       \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/morvane.desktop\" @ONLY)
    ")
endif()
