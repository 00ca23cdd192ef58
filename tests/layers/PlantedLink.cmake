# cmake -DMAP=<build>/layers/targets.cmake -DCHECKER=<source>/cmake/CheckLayers.cmake -P PlantedLink.cmake
# The build's own map passes the layer check; with calculation linking grid, above it,
# and a source of calculation including a header of grid as that link would allow, the
# check must fail, and for that link alone.
cmake_minimum_required(VERSION 3.25)

function(check map result output)
  execute_process(COMMAND ${CMAKE_COMMAND} -DMAP=${map} -P ${CHECKER} RESULT_VARIABLE code ERROR_VARIABLE said)
  set(${result} ${code} PARENT_SCOPE)
  set(${output} "${said}" PARENT_SCOPE)
endfunction()

check(${MAP} code said)
if(NOT code EQUAL 0)
  message(FATAL_ERROR "The build's own map fails the check:\n${said}")
endif()

set(here ${CMAKE_CURRENT_BINARY_DIR}/layers-planted-link)
file(WRITE ${here}/Planted.cpp "#include \"grid/frmMain.h\"\n")
file(READ ${MAP} map)
file(WRITE ${here}/targets.cmake "${map}"
  "list(APPEND links_zelvaro_calculation zelvaro_grid)\n"
  "list(APPEND files_zelvaro_calculation ${here}/Planted.cpp)\n")
check(${here}/targets.cmake code said)
# One fault a line, as the checker words it.
string(REGEX MATCHALL "[^\n ][^\n]* (links|includes) [^\n]+" faults "${said}")
if(code EQUAL 0 OR NOT faults STREQUAL "zelvaro_calculation links zelvaro_grid, which is not below it in ZELVARO_LIBRARIES")
  message(FATAL_ERROR "The link upwards was not refused alone:\n${said}")
endif()
