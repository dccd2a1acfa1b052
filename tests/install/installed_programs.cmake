# Installs the build into a fresh prefix outside the source tree and works there as a user would: the
# installed command line program takes over the shipped chart template in an empty start directory, and
# the desktop entry, the icon and the user guide are in place.
#   cmake -DBUILD_DIR=... -DWORK_DIR=... -DGUI=ON|OFF -P installed_programs.cmake

file(REMOVE_RECURSE ${WORK_DIR})
set(prefix ${WORK_DIR}/prefix)
set(books ${WORK_DIR}/books)
file(MAKE_DIRECTORY ${books})

execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
                RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${err}")
endif()

set(expected bin/tellmark-cli share/applications/tellmark.desktop
    share/icons/hicolor/scalable/apps/tellmark.svg share/tellmark/skr03.txt share/tellmark/skr04.txt
    share/tellmark/gdpdu-01-08-2002.dtd share/tellmark/hilfe/tellmark.html share/tellmark/tellmark.svg)
if(GUI)
  list(APPEND expected bin/tellmark)
endif()
foreach(file IN LISTS expected)
  if(NOT EXISTS ${prefix}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
file(READ ${prefix}/share/applications/tellmark.desktop entry)
if(NOT entry MATCHES "\nExec=tellmark\n" OR NOT entry MATCHES "\nIcon=tellmark\n")
  message(FATAL_ERROR "desktop entry without program or icon:\n${entry}")
endif()

function(cli)
  execute_process(COMMAND ${prefix}/bin/tellmark-cli -C ${books} ${ARGN} WORKING_DIRECTORY ${WORK_DIR}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "tellmark-cli ${ARGN}: exit ${rc}\n${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()

cli(init)
cli(circle create 1 --name Installiert --year 2026 --chart 03 --chart-from skr03)
cli(account list -k 1)
string(REGEX MATCHALL "\n" lines "${out}")
list(LENGTH lines count)
if(count LESS 200)
  message(FATAL_ERROR "the template was not taken over: ${count} accounts\n${out}")
endif()
if(NOT out MATCHES " 8400 [^\n]*19%")
  message(FATAL_ERROR "no revenue account 8400 with its VAT preset\n${out}")
endif()
file(REMOVE_RECURSE ${WORK_DIR})
