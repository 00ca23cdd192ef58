# The layering is load-bearing: a library may link only the libraries below it in
# ZELVARO_LIBRARIES, and a target may include the headers of the libraries it links and
# no others. zelvaro_check_layers() writes down the libraries' order and, for every
# target, its files and the libraries it links; the target "layers" then runs
# CheckLayers.cmake over them, which fails on a link upwards or an include of a library
# not linked. Every target of ours waits for it, so that any build runs the check, also
# one of the program alone.

function(zelvaro_collect_targets directory result)
  get_property(targets DIRECTORY ${directory} PROPERTY BUILDSYSTEM_TARGETS)
  get_property(subdirectories DIRECTORY ${directory} PROPERTY SUBDIRECTORIES)
  foreach(subdirectory IN LISTS subdirectories)
    zelvaro_collect_targets(${subdirectory} below)
    list(APPEND targets ${below})
  endforeach()
  set(${result} ${targets} PARENT_SCOPE)
endfunction()

function(zelvaro_check_layers)
  zelvaro_collect_targets(${PROJECT_SOURCE_DIR} targets)
  set(map "")
  set(checked "")
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    if(NOT type MATCHES "^(STATIC_LIBRARY|INTERFACE_LIBRARY|EXECUTABLE)$")
      continue()
    endif()
    get_target_property(source_dir ${target} SOURCE_DIR)
    get_target_property(sources ${target} SOURCES)
    set(files "")
    foreach(source IN LISTS sources)
      if(source MATCHES "\\$<")
        continue()
      endif()
      cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY ${source_dir} NORMALIZE OUTPUT_VARIABLE file)
      cmake_path(IS_PREFIX PROJECT_SOURCE_DIR ${file} inside)
      if(inside AND file MATCHES "\\.(cpp|h)$" AND EXISTS ${file})
        list(APPEND files ${file})
      endif()
    endforeach()
    # A library owns every file of its folder, also the headers its list leaves out.
    if(type MATCHES "_LIBRARY$" AND source_dir MATCHES "^${PROJECT_SOURCE_DIR}/src/[^/]+$")
      file(GLOB folder_files ${source_dir}/*.cpp ${source_dir}/*.h)
      list(APPEND files ${folder_files})
    endif()
    list(REMOVE_DUPLICATES files)
    # A library of headers only (INTERFACE) passes its list on to whoever links it.
    if(type STREQUAL "INTERFACE_LIBRARY")
      get_target_property(links ${target} INTERFACE_LINK_LIBRARIES)
    else()
      get_target_property(links ${target} LINK_LIBRARIES)
    endif()
    if(NOT links)
      set(links "")
    endif()
    set(type_of_${target} ${type})
    string(APPEND map "set(type_${target} ${type})\nset(files_${target} \"${files}\")\nset(links_${target} \"${links}\")\n")
    list(APPEND checked ${target})
  endforeach()
  list(TRANSFORM ZELVARO_LIBRARIES PREPEND zelvaro_ OUTPUT_VARIABLE layers)
  string(APPEND map "set(targets \"${checked}\")\nset(layers \"${layers}\")\n")
  string(APPEND map "set(project_dir \"${PROJECT_SOURCE_DIR}\")\n")
  file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/layers/targets.cmake CONTENT "${map}")

  # Any source or header of the tree may change what a target includes.
  file(GLOB_RECURSE tree_files CONFIGURE_DEPENDS
    ${PROJECT_SOURCE_DIR}/src/*.h ${PROJECT_SOURCE_DIR}/src/*.cpp
    ${PROJECT_SOURCE_DIR}/tests/*.h ${PROJECT_SOURCE_DIR}/tests/*.cpp
    ${PROJECT_SOURCE_DIR}/bench/*.h ${PROJECT_SOURCE_DIR}/bench/*.cpp
    ${PROJECT_SOURCE_DIR}/fuzz/*.h ${PROJECT_SOURCE_DIR}/fuzz/*.cpp)
  add_custom_command(
    OUTPUT ${CMAKE_BINARY_DIR}/layers/checked
    COMMAND ${CMAKE_COMMAND} -DMAP=${CMAKE_BINARY_DIR}/layers/targets.cmake -P ${PROJECT_SOURCE_DIR}/cmake/CheckLayers.cmake
    COMMAND ${CMAKE_COMMAND} -E touch ${CMAKE_BINARY_DIR}/layers/checked
    DEPENDS ${PROJECT_SOURCE_DIR}/cmake/CheckLayers.cmake ${CMAKE_BINARY_DIR}/layers/targets.cmake ${tree_files}
    COMMENT "Checking that every target includes only the libraries it links"
    VERBATIM)
  add_custom_target(layers ALL DEPENDS ${CMAKE_BINARY_DIR}/layers/checked)
  foreach(target IN LISTS checked)
    if(NOT type_of_${target} STREQUAL "INTERFACE_LIBRARY")
      add_dependencies(${target} layers)
    endif()
  endforeach()
endfunction()
