# Checks that every .rtf file of a folder keeps to what the program's own reader reads: one group
# starting {\rtf1\ansi\ansicpg1252, balanced braces, 7-bit text, and only the control words below.
# Usage: cmake -DRTF_DIR=<folder> -P CheckRtf.cmake
if(NOT RTF_DIR)
  message(FATAL_ERROR "CheckRtf: RTF_DIR is not set")
endif()

set(allowed rtf ansi ansicpg deff fonttbl f fswiss fnil fcharset colortbl red green blue
            pard par line tab b i ul ulnone plain fs cf u uc)

file(GLOB files "${RTF_DIR}/*.rtf")
if(NOT files)
  message(FATAL_ERROR "CheckRtf: no .rtf file in ${RTF_DIR}")
endif()

set(failed FALSE)
foreach(path ${files})
  get_filename_component(name "${path}" NAME)
  file(READ "${path}" text)
  set(problems)

  if(NOT text MATCHES "^{\\\\rtf1\\\\ansi\\\\ansicpg1252")
    list(APPEND problems "does not start with {\\rtf1\\ansi\\ansicpg1252")
  endif()
  if(text MATCHES "[^\t\r\n -~]")
    list(APPEND problems "holds a byte outside 7-bit text (write \\'hh or \\uN? instead)")
  endif()

  # Escaped characters and code-page bytes carry no structure.
  string(REGEX REPLACE "\\\\[\\\\{}]" "" body "${text}")
  string(REGEX REPLACE "\\\\'[0-9a-fA-F][0-9a-fA-F]" "" body "${body}")

  # A \uN must carry its one-character fallback.
  string(REGEX MATCHALL "\\\\u-?[0-9]+[^?]" bad "${body}")
  if(bad)
    list(APPEND problems "\\uN without its '?' fallback: ${bad}")
  endif()

  string(REGEX MATCHALL "\\\\[a-z]+" words "${body}")
  list(TRANSFORM words REPLACE "^\\\\" "")
  list(REMOVE_DUPLICATES words)
  list(REMOVE_ITEM words ${allowed})
  if(words)
    list(JOIN words ", " list)
    list(APPEND problems "unknown control words: ${list}")
  endif()
  string(REGEX REPLACE "\\\\[a-z]+-?[0-9]*" "" body "${body}")
  if(body MATCHES "\\\\")
    list(APPEND problems "a backslash that starts no known control word or escape")
  endif()

  # Groups: the file is one group, "{" + balanced inner groups + "}", with nothing after it.
  # Removing innermost pairs until none is left must leave nothing, both for the whole file and for
  # what lies inside its outer braces.
  string(REGEX REPLACE "[^{}]" "" braces "${body}")
  string(LENGTH "${braces}" count)
  set(inner "")
  if(count GREATER 1)
    math(EXPR count "${count} - 2")
    string(SUBSTRING "${braces}" 1 ${count} inner)
  endif()
  foreach(var braces inner)
    set(previous "-")
    while(NOT ${var} STREQUAL previous)
      set(previous "${${var}}")
      string(REPLACE "{}" "" ${var} "${${var}}")
    endwhile()
  endforeach()
  if(NOT braces STREQUAL "")
    list(APPEND problems "unbalanced braces")
  elseif(NOT inner STREQUAL "" OR NOT text MATCHES "}[\r\n\t ]*$")
    list(APPEND problems "text or groups after the document's closing brace")
  endif()

  if(problems)
    set(failed TRUE)
    foreach(p ${problems})
      message(SEND_ERROR "${name}: ${p}")
    endforeach()
  endif()
endforeach()
if(failed)
  message(FATAL_ERROR "CheckRtf: some files do not keep to the reader's subset")
endif()
