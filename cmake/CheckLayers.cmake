# Fails when a source file includes a header of a layer above its own.
#
# The layers, from the ground up: common, platform, settings, datafiles, online, evaluation,
# lineup, optimum, about, shell; then the two programs, cli (headless) and app (desktop). A folder may
# include its own headers and those of any layer below it. Widgets live in <layer>/ui and may
# include the headless layers up to their own and the widget folders up to their own; headless
# code never includes widgets, and cli includes no widgets at all.
#
# Usage: cmake -DSOURCE_DIR=<folder holding the layer folders> -P CheckLayers.cmake
if(NOT SOURCE_DIR)
  message(FATAL_ERROR "CheckLayers: SOURCE_DIR is not set")
endif()

get_filename_component(SOURCE_DIR "${SOURCE_DIR}" ABSOLUTE)
set(layers common platform settings datafiles online evaluation lineup optimum about shell cli app)

function(layer_rank name out)
  list(FIND layers "${name}" rank)
  set(${out} ${rank} PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE files RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*.h" "${SOURCE_DIR}/*.cpp")
set(problems "")
foreach(file IN LISTS files)
  string(REGEX MATCH "^([^/]+)/(ui/)?" _ "${file}")
  set(from "${CMAKE_MATCH_1}")
  set(from_ui FALSE)
  if(CMAKE_MATCH_2 OR from STREQUAL "app")
    set(from_ui TRUE)
  endif()
  layer_rank("${from}" from_rank)
  if(from_rank EQUAL -1)
    string(APPEND problems "  ${file}: folder ${from} is no known layer\n")
    continue()
  endif()
  file(STRINGS "${SOURCE_DIR}/${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"]+/[^\"]+\"")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^[^\"]*\"([^\"]+)\".*$" "\\1" header "${line}")
    string(REGEX MATCH "^([^/]+)/(ui/)?" _ "${header}")
    set(to "${CMAKE_MATCH_1}")
    set(to_ui FALSE)
    if(CMAKE_MATCH_2)
      set(to_ui TRUE)
    endif()
    layer_rank("${to}" to_rank)
    if(to_rank EQUAL -1)
      continue() # not one of ours (a generated or third-party header)
    endif()
    set(bad "")
    if(to_rank GREATER from_rank)
      set(bad "${to} is a layer above ${from}")
    elseif(to_ui AND NOT from_ui)
      set(bad "headless code includes a widget header")
    endif()
    if(bad)
      string(APPEND problems "  ${file}: #include \"${header}\": ${bad}\n")
    endif()
  endforeach()
endforeach()

if(problems)
  message(FATAL_ERROR "Includes that point up a layer:\n${problems}")
endif()
