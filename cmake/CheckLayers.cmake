# cmake -DMAP=<build>/layers/targets.cmake -P CheckLayers.cmake
# Fails when a library links a library that is not below it in the layers' order, when a
# file of a target includes a header of a library the target does not link, or when a
# library links a library of ours whose headers it never includes.
# A header of a library ("grid/frmMain.h", or a file its folder or its list holds) needs
# that library in the target's own link list; a header of no library (a test's helper
# beside it) counts as the target's own, and its includes are checked in turn.
cmake_minimum_required(VERSION 3.25)
include(${MAP})

# Which library owns each file.
foreach(target IN LISTS targets)
  if(type_${target} MATCHES "_LIBRARY$")
    foreach(file IN LISTS files_${target})
      string(MAKE_C_IDENTIFIER "${file}" key)
      set(owner_${key} ${target})
    endforeach()
  endif()
endforeach()

# The quoted includes of a file, as the files they name; one not found is no concern of ours.
function(included_files file result)
  file(STRINGS ${file} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  cmake_path(GET file PARENT_PATH here)
  set(found "")
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*" "\\1" name "${line}")
    foreach(base IN ITEMS ${here} ${project_dir}/src)
      cmake_path(ABSOLUTE_PATH name BASE_DIRECTORY ${base} NORMALIZE OUTPUT_VARIABLE candidate)
      if(EXISTS ${candidate} AND NOT IS_DIRECTORY ${candidate})
        list(APPEND found "${candidate}")
        break()
      endif()
    endforeach()
  endforeach()
  set(${result} "${found}" PARENT_SCOPE)
endfunction()

set(faults "")

# Every link of a library points down: CMake would link a cycle of static libraries
# without a word.
set(below "")
foreach(library IN LISTS layers)
  foreach(link IN LISTS links_${library})
    if(link IN_LIST layers AND NOT link IN_LIST below)
      list(APPEND faults "${library} links ${link}, which is not below it in ZELVARO_LIBRARIES")
    endif()
  endforeach()
  list(APPEND below ${library})
endforeach()

foreach(target IN LISTS targets)
  set(pending ${files_${target}})
  set(seen "")
  set(used "")
  # A source of a library compiled into the target (a fuzz target takes only the reader it
  # fuzzes) brings its library's headers along.
  set(allowed ${links_${target}})
  foreach(file IN LISTS files_${target})
    string(MAKE_C_IDENTIFIER "${file}" key)
    if(DEFINED owner_${key})
      list(APPEND allowed ${owner_${key}})
    endif()
  endforeach()
  while(pending)
    list(POP_FRONT pending file)
    if(file IN_LIST seen)
      continue()
    endif()
    list(APPEND seen ${file})
    included_files(${file} headers)
    foreach(header IN LISTS headers)
      string(MAKE_C_IDENTIFIER "${header}" key)
      set(owner "${owner_${key}}")
      if(owner STREQUAL "" OR owner STREQUAL target)
        list(APPEND pending ${header})
      elseif(owner IN_LIST allowed)
        list(APPEND used ${owner})
      else()
        cmake_path(RELATIVE_PATH file BASE_DIRECTORY ${project_dir} OUTPUT_VARIABLE shown_file)
        cmake_path(RELATIVE_PATH header BASE_DIRECTORY ${project_dir} OUTPUT_VARIABLE shown_header)
        list(APPEND faults "${shown_file} includes ${shown_header}, but ${target} does not link ${owner}")
      endif()
    endforeach()
  endwhile()
  # A library's list says no more than that: every library of ours it names is included.
  foreach(library IN LISTS links_${target})
    if(type_${target} MATCHES "_LIBRARY$" AND type_${library} MATCHES "_LIBRARY$" AND NOT library IN_LIST used)
      list(APPEND faults "${target} links ${library}, but includes none of its headers")
    endif()
  endforeach()
endforeach()

if(faults)
  list(REMOVE_DUPLICATES faults)
  list(JOIN faults "\n  " shown)
  message(FATAL_ERROR "Links that break the layers or do not match the includes:\n  ${shown}")
endif()
