# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Ostrel developers
# Runs the ostrel program once and checks what it did:
#   PROGRAM, ARGS (separated by |), INPUT (standard input, a file; optional), OUTPUT (a file
#   standard output goes to instead, such as /dev/full; optional), EXPECT_STATUS,
#   EXPECT_OUT / EXPECT_ERR (files holding the whole expected output; optional),
#   OUT_CONTAINS / ERR_CONTAINS (a text the output must hold; optional),
#   NO_FILE (a file that must not exist after the run; removed before it; optional).
string(REPLACE "|" ";" ARGS "${ARGS}")
if(INPUT)
  set(input_option INPUT_FILE ${INPUT})
endif()
if(NO_FILE)
  file(REMOVE ${NO_FILE})
endif()
if(OUTPUT)
  set(output_option OUTPUT_FILE ${OUTPUT})
else()
  set(output_option OUTPUT_VARIABLE out)
endif()
execute_process(COMMAND ${PROGRAM} ${ARGS} ${input_option} ${output_option}
                ERROR_VARIABLE err RESULT_VARIABLE status)
set(failed "")
if(NOT status STREQUAL EXPECT_STATUS)
  string(APPEND failed "exit status ${status}, expected ${EXPECT_STATUS}\n")
endif()
foreach(stream out err)
  string(TOUPPER ${stream} STREAM)
  if(EXPECT_${STREAM})
    file(READ ${EXPECT_${STREAM}} expected)
    if(NOT ${stream} STREQUAL expected)
      string(APPEND failed "standard ${stream} differs from ${EXPECT_${STREAM}}:\n${${stream}}\n")
    endif()
  endif()
  if(DEFINED ${STREAM}_CONTAINS)
    string(FIND "${${stream}}" "${${STREAM}_CONTAINS}" at)
    if(at EQUAL -1)
      string(APPEND failed "standard ${stream} lacks \"${${STREAM}_CONTAINS}\":\n${${stream}}\n")
    endif()
  endif()
endforeach()
if(NO_FILE AND EXISTS ${NO_FILE})
  string(APPEND failed "${NO_FILE} was written\n")
endif()
if(failed)
  message(FATAL_ERROR "ostrel ${ARGS}: ${failed}")
endif()
