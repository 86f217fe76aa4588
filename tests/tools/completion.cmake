# complete and hover: what completion offers and the tooltips, at offsets of a small page
# that has an image and a text file beside it.
set(velto_complete_dir "${CMAKE_CURRENT_BINARY_DIR}/complete")
# 0: "<table>\n", 8: a row, 28: "<t" (caret 30), 31: an image tag with the caret in its
# SRC's quotes at 41 and after ALIGN's '=' at 49, 51: a comment, 62: "&eac" (caret 66).
file(WRITE "${velto_complete_dir}/page.htm"
     "<table>\n<tr><td>x</td></tr>\n<t\n<img src=\"\" align=>\n<!-- <t -->&eac")
file(WRITE "${velto_complete_dir}/logo.gif" "GIF89a")
file(WRITE "${velto_complete_dir}/notes.txt" "x")
set(velto_complete_page "${velto_complete_dir}/page.htm")

velto_tool_check(tool_complete_elements "^TR\telement\t[^\n]+\nTHEAD\telement\t" complete "${velto_complete_page}" 30)
velto_tool_check(tool_complete_files "^logo\\.gif\tfile\t6 bytes\n$" complete "${velto_complete_page}" 41)
velto_tool_check(tool_complete_values "^LEFT\tvalue\t[^\n]*\nRIGHT\tvalue\t" complete "${velto_complete_page}" 49)
velto_tool_check(tool_complete_reference "^&eacute;\treference\té  U\\+00E9\n$" complete "${velto_complete_page}" 66)
velto_tool_check(tool_complete_versions "\nTR\telement\t[^\n]*\\(outside the selected versions\\)\n"
                 complete "${velto_complete_page}" 30 --versions "HTML v2.0")
velto_tool_fails(tool_complete_in_comment complete "${velto_complete_page}" 58)
velto_tool_fails(tool_complete_past_end complete "${velto_complete_page}" 1000)
velto_tool_fails(tool_complete_unknown_version complete "${velto_complete_page}" 30 --versions "HTML 9")

velto_tool_check(tool_hover_element "^TABLE element\nA table of cells[^\n]*\nVersions: [^\n]*HTML5\n.*\nF5: HTML reference\n$" hover "${velto_complete_page}" 2)
velto_tool_check(tool_hover_attribute "^SRC attribute " hover "${velto_complete_page}" 36)
velto_tool_fails(tool_hover_text hover "${velto_complete_page}" 16)
