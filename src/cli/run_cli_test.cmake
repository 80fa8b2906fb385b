# Runs korvane-cli once and checks its exit status and, when asked, how its standard output ends
# (as hexadecimal bytes, so that CR LF and Shift-JIS are compared exactly).
#   -DCLI=... -DARGS="a|b" -DEXPECT_STATUS=n [-DEXPECT_TAIL_HEX=...] [-DEXPECT_ERROR=text]
string(REPLACE "|" ";" ARGS "${ARGS}")
execute_process(COMMAND ${CLI} ${ARGS}
                RESULT_VARIABLE status
                OUTPUT_FILE ${OUT}
                ERROR_VARIABLE error)
if(NOT status EQUAL EXPECT_STATUS)
  message(FATAL_ERROR "korvane-cli ${ARGS}: status ${status}, expected ${EXPECT_STATUS}\n${error}")
endif()
if(DEFINED EXPECT_ERROR)
  string(FIND "${error}" "${EXPECT_ERROR}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "standard error lacks '${EXPECT_ERROR}':\n${error}")
  endif()
endif()
if(DEFINED EXPECT_TAIL_HEX)
  file(READ ${OUT} bytes HEX)
  string(LENGTH "${EXPECT_TAIL_HEX}" want)
  string(LENGTH "${bytes}" have)
  if(have LESS want)
    message(FATAL_ERROR "output too short: ${bytes}")
  endif()
  math(EXPR from "${have} - ${want}")
  string(SUBSTRING "${bytes}" ${from} ${want} tail)
  if(NOT tail STREQUAL EXPECT_TAIL_HEX)
    message(FATAL_ERROR "output ends with ${tail}, expected ${EXPECT_TAIL_HEX}")
  endif()
endif()
