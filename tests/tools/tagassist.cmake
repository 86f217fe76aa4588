# tag-find, tag-set and tag-remove.
set(velto_tag_page "${CMAKE_CURRENT_BINARY_DIR}/tag-find.htm")
file(WRITE "${velto_tag_page}" "a <B>b</B> c <IMG SRC=\"x>y\">")
velto_tool_check(tool_tag_find "^2 5 <B>\n$" tag-find "${velto_tag_page}" 3)
velto_tool_check(tool_tag_find_at_close "^6 10 </B>\n$" tag-find "${velto_tag_page}" 9)
velto_tool_check(tool_tag_find_ignores_quotes "^13 25 <IMG SRC=\"x>\n$" tag-find "${velto_tag_page}" 20)
velto_tool_fails(tool_tag_find_before_opener tag-find "${velto_tag_page}" 2)
velto_tool_fails(tool_tag_find_after_close tag-find "${velto_tag_page}" 5)
velto_tool_fails(tool_tag_find_past_end tag-find "${velto_tag_page}" 1000)
velto_tool_fails(tool_tag_find_no_file tag-find "${velto_tag_page}.missing" 0)

velto_tool_check(tool_tag_set_inserts "^<IMG SRC=\"a\\.gif\">\n$" tag-set "<IMG>" src a.gif)
velto_tool_check(tool_tag_set_skips_quoted "^<A TITLE=\"HREF=x\" HREF=\"z\">\n$"
                 tag-set "<A TITLE=\"HREF=x\" HREF=y>" HREF z)
velto_tool_check(tool_tag_set_skips_longer_name "^<IMG SRCX=1 SRC=\"3\">\n$"
                 tag-set "<IMG SRCX=1 SRC=2>" SRC 3)
velto_tool_check(tool_tag_set_enumerated "^<P ALIGN=CENTER>\n$" tag-set "<P ALIGN='left'>" ALIGN CENTER)
velto_tool_check(tool_tag_set_free_value "^<IMG ALT=\"b c\">\n$" tag-set "<IMG ALT='a'>" ALT "b c")
velto_tool_check(tool_tag_set_flag "^<IMG ISMAP>\n$" tag-set "<IMG>" ISMAP x)
# An empty argument would be lost in a list of arguments, so this one is spelled out.
add_test(NAME tool_tag_set_optional_empty COMMAND velto-tool tag-set "<TABLE BORDER=2>" BORDER "")
set_tests_properties(tool_tag_set_optional_empty PROPERTIES PASS_REGULAR_EXPRESSION "^<TABLE BORDER>\n$")
velto_tool_check(tool_tag_remove "^<IMG SRC=a>\n$" tag-remove "<IMG SRC=a ISMAP>" ISMAP)
velto_tool_check(tool_tag_remove_with_value "^<IMG ALT=b>\n$" tag-remove "<IMG SRC=\"a.gif\" ALT=b>" src)
velto_tool_fails(tool_tag_set_unknown_element tag-set "<NOSUCH>" SRC x)
velto_tool_fails(tool_tag_set_unknown_attribute tag-set "<IMG>" HREF x)
velto_tool_fails(tool_tag_remove_unknown_attribute tag-remove "<B>" SRC)
