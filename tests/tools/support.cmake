# tip: the shipped tips file read from a position, and the position of the next tip.
velto_tool_check(tool_tip_first "^Right-click inside a tag to get its tag menu[^\n]*\nnext: [0-9]+\n$"
                 tip --file "${PROJECT_SOURCE_DIR}/data/tips.txt")
file(WRITE "${CMAKE_CURRENT_BINARY_DIR}/tips-two.txt" "First.\nSecond^\nline.\n")
velto_tool_check(tool_tip_from "^Second\nline\\.\nnext: 21\n$" tip --file "${CMAKE_CURRENT_BINARY_DIR}/tips-two.txt" --from 7)
velto_tool_check(tool_tip_round "^First\\.\nnext: 7\n$" tip --file "${CMAKE_CURRENT_BINARY_DIR}/tips-two.txt" --from 21)
velto_tool_fails(tool_tip_missing tip --file "${CMAKE_CURRENT_BINARY_DIR}/no-tips.txt")

# report: a problem report about this machine, written without a display.
add_test(NAME tool_report COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/report.sh $<TARGET_FILE:velto-tool>
                                  ${CMAKE_CURRENT_BINARY_DIR}/report)
