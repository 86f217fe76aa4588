# make-reference: the reference set written into a folder made here, and a folder that
# cannot be made because a file stands where its parent should be.
set(velto_reference_out "${CMAKE_CURRENT_BINARY_DIR}/make-reference")
file(REMOVE_RECURSE "${velto_reference_out}")
velto_tool_check(tool_make_reference
                 "^Wrote [0-9]+ files of the Velto HTML Reference \\([0-9]+ elements\\) to [^\n]*make-reference\n$"
                 make-reference "${velto_reference_out}")
velto_tool_check(tool_make_reference_unwritable_message
                 "velto-tool: Cannot make the folder [^\n]*reference\\.cmake"
                 make-reference "${CMAKE_CURRENT_LIST_FILE}/out")
velto_tool_fails(tool_make_reference_unwritable make-reference "${CMAKE_CURRENT_LIST_FILE}/out")
velto_tool_fails(tool_make_reference_no_folder make-reference)
