# Fails when a file under src/ includes a file of a higher layer. Run by CTest as
#   cmake -DSOURCE_DIR=<repository> -P check_includes.cmake
#
# Layers, bottom to top; a file includes only its own layer and those below. views, betting and
# output are kept in this strict order so that they never include each other in a cycle.
set(KORVANE_LAYERS text database engine custom entry app views betting output flows)

function(layer_rank name out)
  list(FIND KORVANE_LAYERS "${name}" rank)
  if(name STREQUAL "gui" OR name STREQUAL "cli")
    list(LENGTH KORVANE_LAYERS rank)  # the two programs stand side by side on top
  endif()
  set(${out} ${rank} PARENT_SCOPE)
endfunction()

# The layer a path names: "core/<layer>/…", "gui/…" or "cli/…"; empty for anything else.
function(layer_of path out)
  set(layer "")
  if(path MATCHES "^core/([a-z_]+)/")
    set(layer "${CMAKE_MATCH_1}")
  elseif(path MATCHES "^(gui|cli)/")
    set(layer "${CMAKE_MATCH_1}")
  endif()
  set(${out} "${layer}" PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}/src" "${SOURCE_DIR}/src/*.hpp"
     "${SOURCE_DIR}/src/*.cpp")
set(faults "")
foreach(source IN LISTS sources)
  layer_of("${source}" own)
  if(own STREQUAL "")
    continue()
  endif()
  layer_rank("${own}" own_rank)
  if(own_rank EQUAL -1)
    string(APPEND faults "\n  ${source}: the folder core/${own} is no known layer")
    continue()
  endif()
  file(STRINGS "${SOURCE_DIR}/src/${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^[^\"]*\"([^\"]*)\".*$" "\\1" target "${line}")
    layer_of("${target}" theirs)
    if(theirs STREQUAL "" OR theirs STREQUAL own)
      continue()
    endif()
    layer_rank("${theirs}" their_rank)
    if(their_rank EQUAL -1 OR NOT their_rank LESS own_rank)
      string(APPEND faults "\n  ${source}: includes ${target} (${own} may not include ${theirs})")
    endif()
  endforeach()
endforeach()

if(faults)
  message(FATAL_ERROR "Includes against the layer order:${faults}")
endif()
list(LENGTH sources count)
message(STATUS "${count} files keep to the layer order")
