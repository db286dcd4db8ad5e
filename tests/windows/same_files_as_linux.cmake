# Runs the Linux program and the Windows program (under wine), each copied
# alone into a fresh directory, so that their files land beside them; both
# must succeed and leave the same files with the same bytes. The Windows
# program's directory has a blank in its name.
#   cmake -DEMULATORE=... -DPROGRAMMA_WINDOWS=... -DPROGRAMMA_LINUX=...
#         -DCARTELLA=... -P same_files_as_linux.cmake

if(NOT EXISTS "${PROGRAMMA_LINUX}")
  message(FATAL_ERROR "${PROGRAMMA_LINUX} is not there: build the Linux program first "
                      "(cmake --workflow --preset test)")
endif()

# Runs `programma` alone in `cartella`; sets `${file_var}` to the names of the
# files it left there.
function(esegui_solo programma cartella file_var)
  file(REMOVE_RECURSE "${cartella}")
  file(MAKE_DIRECTORY "${cartella}")
  get_filename_component(nome "${programma}" NAME)
  file(COPY_FILE "${programma}" "${cartella}/${nome}")
  execute_process(COMMAND ${ARGN} "${cartella}/${nome}"
    WORKING_DIRECTORY "${cartella}"
    RESULT_VARIABLE esito OUTPUT_VARIABLE uscita ERROR_VARIABLE errori)
  if(NOT esito STREQUAL "0")
    message(FATAL_ERROR "${cartella}/${nome} ended with ${esito}:\n${uscita}${errori}")
  endif()
  message(STATUS "${nome}: ${errori}")
  file(GLOB nomi RELATIVE "${cartella}" LIST_DIRECTORIES true "${cartella}/*")
  list(REMOVE_ITEM nomi "${nome}")
  list(SORT nomi)
  set(${file_var} "${nomi}" PARENT_SCOPE)
endfunction()

esegui_solo("${PROGRAMMA_LINUX}" "${CARTELLA}/linux" file_linux)
esegui_solo("${PROGRAMMA_WINDOWS}" "${CARTELLA}/windows run" file_windows "${EMULATORE}")

list(LENGTH file_linux quanti)
if(NOT quanti EQUAL 6)
  message(FATAL_ERROR "the Linux program left ${quanti} files, not 6: ${file_linux}")
endif()
if(NOT file_windows STREQUAL file_linux)
  message(FATAL_ERROR "different files:\n  Linux:   ${file_linux}\n  Windows: ${file_windows}")
endif()
foreach(nome IN LISTS file_linux)
  file(SHA256 "${CARTELLA}/linux/${nome}" linux)
  file(SHA256 "${CARTELLA}/windows run/${nome}" windows)
  if(NOT linux STREQUAL windows)
    message(FATAL_ERROR "'${nome}' differs between the Linux and the Windows build")
  endif()
  message(STATUS "same bytes: '${nome}'")
endforeach()
