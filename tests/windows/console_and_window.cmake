# compila_scenario.exe is a window program: started from Explorer it opens no
# console beside its waiting window. compila_scenario.com, its console twin,
# is what a console runs for the bare name. Both print every mode's output
# where they are started from, with the same exit statuses.
#   cmake -DEMULATORE=... -DPROGRAMMA=.../compila_scenario.exe -P console_and_window.cmake

# The subsystem field of a PE image: 2 a window program, 3 a console one.
function(sottosistema file var)
  file(READ "${file}" testa LIMIT 1024 HEX)
  string(SUBSTRING "${testa}" 120 8 e_lfanew)  # 4 bytes at 0x3c, little-endian
  string(REGEX REPLACE "(..)(..)(..)(..)" "\\4\\3\\2\\1" e_lfanew "${e_lfanew}")
  math(EXPR pe "0x${e_lfanew}")
  math(EXPR campo "(${pe} + 24 + 68) * 2")
  string(SUBSTRING "${testa}" ${campo} 4 valore)
  string(REGEX REPLACE "(..)(..)" "\\2\\1" valore "${valore}")
  math(EXPR valore "0x${valore}")
  set(${var} ${valore} PARENT_SCOPE)
endfunction()

string(REGEX REPLACE "\\.exe$" ".com" GEMELLO "${PROGRAMMA}")
foreach(coppia "${PROGRAMMA}|2" "${GEMELLO}|3")
  string(REPLACE "|" ";" coppia "${coppia}")
  list(GET coppia 0 programma)
  list(GET coppia 1 atteso)
  sottosistema("${programma}" trovato)
  if(NOT trovato EQUAL atteso)
    message(FATAL_ERROR "${programma}: subsystem ${trovato}, not ${atteso}")
  endif()

  execute_process(COMMAND "${EMULATORE}" "${programma}" --version
    RESULT_VARIABLE esito OUTPUT_VARIABLE uscita ERROR_VARIABLE errori)
  if(NOT esito STREQUAL "0" OR NOT uscita MATCHES "^compila_scenario [0-9]")
    message(FATAL_ERROR "${programma} --version: ${esito}, '${uscita}' '${errori}'")
  endif()
  execute_process(COMMAND "${EMULATORE}" "${programma}" compile missing.txt missing-.txt
    RESULT_VARIABLE esito OUTPUT_VARIABLE uscita ERROR_VARIABLE errori)
  if(NOT esito STREQUAL "4" OR NOT errori MATCHES "cannot read missing.txt")
    message(FATAL_ERROR "${programma} compile: ${esito}, '${uscita}' '${errori}'")
  endif()
  message(STATUS "${programma}: subsystem ${trovato}, prints and exits as a console program")
endforeach()
