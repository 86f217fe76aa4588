# reference lookup: a reference set made here answers by primary, then secondary topic.
set(velto_refs "${CMAKE_CURRENT_BINARY_DIR}/references")
file(REMOVE_RECURSE "${velto_refs}")
file(WRITE "${velto_refs}/Mini.cfg" "HTMLREF Mini\nBASE pages\nISDEFAULTFOR 1\n")
file(WRITE "${velto_refs}/pages/tables.htm" "<HTML></HTML>\n")
file(WRITE "${velto_refs}/pages/tables.hhi" "HTMLREF Mini\nSECTION Tables\nKEYSINDEXSTART\n1, 1, 0, TABLE, tbl, The TABLE element, <TABLE> tables\n1, 0, 1, BORDER, border, The BORDER attribute, border\n")
velto_tool_check(tool_reference_lookup "^[^\n]*/pages/tables\\.htm#tbl\n$"
                 reference lookup table --folder "${velto_refs}")
velto_tool_check(tool_reference_lookup_secondary "^[^\n]*/pages/tables\\.htm#border\n$"
                 reference lookup Border --folder "${velto_refs}")
velto_tool_fails(tool_reference_lookup_missing reference lookup blink --folder "${velto_refs}")
velto_tool_fails(tool_reference_lookup_other_class reference lookup table --folder "${velto_refs}" --class 0)
set_tests_properties(tool_reference_lookup tool_reference_lookup_secondary tool_reference_lookup_missing
                     tool_reference_lookup_other_class
                     PROPERTIES ENVIRONMENT "VELTO_PROFILE=${velto_refs}/settings.ini")
