# Installation and release packages (`cmake --workflow --preset package`):
# on Linux a tar archive and a Debian package with the program, its manual
# page and its bash completion; the Windows build gives a zip holding the
# statically linked program, its console twin and a short README. The version is the
# project's, the one `--version` prints.
set(packaging_dir ${CMAKE_SOURCE_DIR}/packaging)

if(WIN32)
  install(TARGETS compila_scenario compila_scenario_console RUNTIME DESTINATION .)
  install(FILES ${packaging_dir}/README-windows.txt DESTINATION . RENAME README.txt)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_SYSTEM_NAME win64)
else()
  include(GNUInstallDirs)
  install(TARGETS compila_scenario RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  # The window and server modules go where the program looks for them,
  # ../lib/compila_scenario from its own directory (libraries of its own,
  # not ones for other programs to link).
  foreach(modulo finestre server_pagina)
    if(TARGET ${modulo})
      install(TARGETS ${modulo} LIBRARY DESTINATION lib/compila_scenario)
    endif()
  endforeach()
  install(FILES ${packaging_dir}/compila_scenario.bash
    DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME compila_scenario)

  # The manual page is the program's own --help-all and --version, with
  # the sections that help cannot hold.
  find_program(HELP2MAN help2man)
  if(HELP2MAN)
    set(man_page ${CMAKE_BINARY_DIR}/compila_scenario.1)
    add_custom_command(OUTPUT ${man_page}.gz
      COMMAND ${HELP2MAN} --no-info --section=1 --help-option=--help-all
        --name "compile a train-driving scenario into the simulator's files"
        --include ${packaging_dir}/compila_scenario.h2m
        --output ${man_page} $<TARGET_FILE:compila_scenario>
      COMMAND gzip -9nf ${man_page}
      DEPENDS compila_scenario ${packaging_dir}/compila_scenario.h2m
      VERBATIM)
    add_custom_target(man_page ALL DEPENDS ${man_page}.gz)
    install(FILES ${man_page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  else()
    message(STATUS "help2man not found: no manual page")
  endif()

  set(CPACK_GENERATOR TGZ DEB)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION misc)
endif()

set(CPACK_PACKAGE_NAME compila-scenario)
set(CPACK_PACKAGE_VENDOR "Squadra scenari EC 85")
set(CPACK_PACKAGE_CONTACT "Squadra scenari EC 85 <treni@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "Scenario compiler for a train-driving simulator")
set(CPACK_PACKAGE_DESCRIPTION
  "Compiles a line description and a train description into the binary files a\ntrain-driving simulator reads, and writes the driver's paper documents.")
set(CPACK_STRIP_FILES ON)
set(CPACK_ARCHIVE_THREADS 0)
include(CPack)

# The Linux package build also makes the Windows zip, from a cross build of
# its own, where the MinGW-w64 compiler is there.
if(NOT CMAKE_CROSSCOMPILING AND COMPILA_WINDOWS_ZIP)
  set(windows_build ${CMAKE_BINARY_DIR}/windows)
  add_custom_target(windows_zip
    COMMAND ${CMAKE_COMMAND} -S ${CMAKE_SOURCE_DIR} -B ${windows_build} -G ${CMAKE_GENERATOR}
      --toolchain ${CMAKE_SOURCE_DIR}/cmake/mingw-w64-x86_64.cmake
      -DCMAKE_BUILD_TYPE=Release -DCOMPILA_BUILD_TESTS=OFF
    COMMAND ${CMAKE_COMMAND} --build ${windows_build}
    COMMAND ${CMAKE_COMMAND} -E chdir ${windows_build} ${CMAKE_CPACK_COMMAND} -B ${CMAKE_BINARY_DIR}
    USES_TERMINAL VERBATIM)
endif()
