# An update must never cost a player a record. Installs Morvane into a fresh
# folder, adds a player's files to data/ and ages the program and the seed
# catalogue as an older version would have left them, installs again, and
# checks that the player's files are byte for byte as they were while the
# program and the seed catalogue are the new ones, with the catalogue's
# licence notice beside it.
#
# cmake -DBUILD_DIR=<build tree> -DPREFIX=<scratch folder> -DPROGRAM=<file name>
#       -DSEED=<seed catalogue> -DNOTICE=<its licence notice> -P install_keeps_player_files.cmake

function(install_morvane)
    execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                    OUTPUT_QUIET RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "cmake --install failed")
    endif()
endfunction()

function(expect_same expected actual)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${expected} ${actual} RESULT_VARIABLE differs)
    if(differs)
        message(SEND_ERROR "${actual} differs from ${expected}")
    endif()
endfunction()

file(REMOVE_RECURSE ${PREFIX})
install_morvane()
get_filename_component(seed_name ${SEED} NAME)

# Player files as Morvane writes them: code page 932 text ("こるもぐ" here),
# CR LF line ends, and one file edited by hand, left without a final line end.
string(ASCII 130 177 130 233 130 224 130 176 kana)
set(player_files
    "cname.dat|Kuromog\r\n${kana}\r\n"
    "Kuromogmog.dat|${kana}\r\n${kana}\r\n"
    "Kuromogmoginfo.dat|1,12\r\n2,99\r\n"
    "item.dat|9001,${kana}")
set(originals ${PREFIX}.originals)
file(REMOVE_RECURSE ${originals})
foreach(entry IN LISTS player_files)
    string(REPLACE "|" ";" entry "${entry}")
    list(GET entry 0 name)
    list(GET entry 1 bytes)
    file(WRITE ${PREFIX}/data/${name} "${bytes}")
    file(COPY ${PREFIX}/data/${name} DESTINATION ${originals})
endforeach()
file(WRITE ${PREFIX}/data/${seed_name} "an older catalogue\r\n")
file(WRITE ${PREFIX}/${PROGRAM} "an older program")

install_morvane()

foreach(entry IN LISTS player_files)
    string(REGEX REPLACE "\\|.*" "" name "${entry}")
    expect_same(${originals}/${name} ${PREFIX}/data/${name})
endforeach()
expect_same(${SEED} ${PREFIX}/data/${seed_name})
get_filename_component(notice_name ${NOTICE} NAME)
expect_same(${NOTICE} ${PREFIX}/data/${notice_name})
expect_same(${BUILD_DIR}/${PROGRAM} ${PREFIX}/${PROGRAM})
