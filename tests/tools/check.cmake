# check: Check Page on files, in the GNU format and as JSON, with its exit status.
add_test(NAME tool_check COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/check.sh $<TARGET_FILE:velto-tool>
                                 ${CMAKE_CURRENT_BINARY_DIR}/check)
set_tests_properties(tool_check PROPERTIES PASS_REGULAR_EXPRESSION "^ok\n$")
