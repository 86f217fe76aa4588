# folder-menu: a folder menu as built, over a folder made here.
set(velto_folder "${CMAKE_CURRENT_BINARY_DIR}/folder-menu")
file(REMOVE_RECURSE "${velto_folder}")
file(WRITE "${velto_folder}/A.htt" "")
file(WRITE "${velto_folder}/b/inner.htt" "")
file(WRITE "${velto_folder}/C.htt" "")
file(WRITE "${velto_folder}/Snippets/s.htt" "")
file(WRITE "${velto_folder}/empty/readme.txt" "")
velto_tool_check(tool_folder_menu
                 "^2000\tfile\t&A\t[^\n]*/A\\.htt\n2001\tfolder\t&b\t[^\n]*/b\n  2002\tfile\t&inner\t[^\n]*/b/inner\\.htt\n2003\tfile\t&C\t[^\n]*/C\\.htt\n$"
                 folder-menu "${velto_folder}" "*.htt" --exclude Snippets)
velto_tool_check(tool_folder_menu_limit
                 "^2200\tfile\t&A\t[^\n]*\n2201\toverflow\tMore\\.\\.\\.\t[^\n]*folder-menu\n$"
                 folder-menu "${velto_folder}" "*.htt" --max-items 1 --first-id 2200)
velto_tool_fails(tool_folder_menu_bad_option folder-menu "${velto_folder}" "*.htt" --max-items many)
