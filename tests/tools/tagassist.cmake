# tag-find, tag-set and tag-remove.
set(velto_tag_page "${CMAKE_CURRENT_BINARY_DIR}/tag-find.htm")
file(WRITE "${velto_tag_page}" "a <B>b</B> c <IMG SRC=\"x>y\">")
velto_tool_check(tool_tag_find "^2 5 <B>\n$" tag-find "${velto_tag_page}" 3)
velto_tool_check(tool_tag_find_at_close "^6 10 </B>\n$" tag-find "${velto_tag_page}" 9)
velto_tool_check(tool_tag_find_ignores_quotes "^13 25 <IMG SRC=\"x>\n$" tag-find "${velto_tag_page}" 20)
velto_tool_fails(tool_tag_find_before_opener tag-find "${velto_tag_page}" 2)
velto_tool_fails(tool_tag_find_after_close tag-find "${velto_tag_page}" 5)
velto_tool_fails(tool_tag_find_past_end tag-find "${velto_tag_page}" 1000)
velto_tool_check(tool_tag_find_far_past_end "offset 99999999999 is past the end of .*tag-find.htm \\(28 bytes\\)"
                 tag-find "${velto_tag_page}" 99999999999)
velto_tool_check(tool_tag_find_not_a_number "must be a whole number from 0 up, not '-3'" tag-find "${velto_tag_page}" -3)
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

# popup and popup-run: the right-click menu of a tag and its commands (the text comes out
# as it is, and the test output ends with a newline). The pages sit in a
# folder of their own beside an image the IMG tag links to.
set(velto_popup_dir "${CMAKE_CURRENT_BINARY_DIR}/popup")
file(COPY "${PROJECT_SOURCE_DIR}/fuzz/corpus/gif/gif87a" DESTINATION "${velto_popup_dir}")
file(RENAME "${velto_popup_dir}/gif87a" "${velto_popup_dir}/pic.gif")
file(WRITE "${velto_popup_dir}/img.htm" "<IMG SRC=\"pic.gif\">")
file(WRITE "${velto_popup_dir}/body.htm" "<BODY BGCOLOR=\"#FF0000\">x</BODY>")
file(WRITE "${velto_popup_dir}/hr.htm" "<HR ALIGN=LEFT>")
file(WRITE "${velto_popup_dir}/base.htm" "<BASE HREF=\"x\">")
file(WRITE "${velto_popup_dir}/form.htm" "<FORM>")
velto_tool_check(tool_popup_image "^1500\t&Open pic\\.gif\n1501\tSet Si&ze From pic\\.gif\n-\n1502\tImage File U&RI\n"
                 popup "${velto_popup_dir}/img.htm" 2)
velto_tool_check(tool_popup_colour "\n1503\tBack&ground Colour\n  1504\tWhite\n(  15[0-9][0-9]\t[A-Za-z]+\n)*  1508\tRed [[]x[]]\n(  15[0-9][0-9]\t[A-Za-z]+\n)*  -\n  1520\t&Palette\\.\\.\\.\n  1521\t&Remove\n"
                 popup "${velto_popup_dir}/body.htm" 3)
velto_tool_check(tool_popup_enumerated "^-\n1502\tRule &Alignment\n  1503\tFlush &Left [[]x[]]\n  1504\tFlush &Right\n  1505\t&Centred\n  -\n  1506\t&Remove\n"
                 popup "${velto_popup_dir}/hr.htm" 1)
velto_tool_check(tool_popup_base_common "\n0\tCommon Attrib&utes\n1510\t&Properties\\.\\.\\.\n$"
                 popup "${velto_popup_dir}/base.htm" 1)
velto_tool_check(tool_popup_versions "^-\n1502\tRule &Alignment\n"
                 popup "${velto_popup_dir}/hr.htm" 1 --versions "HTML v3.2")
velto_tool_fails(tool_popup_no_tag popup "${velto_popup_dir}/body.htm" 24)
velto_tool_fails(tool_popup_unknown_version popup "${velto_popup_dir}/hr.htm" 1 --versions "HTML 9")

velto_tool_check(tool_popup_run_value "^<HR ALIGN=CENTER>\n?$" popup-run "${velto_popup_dir}/hr.htm" 1 1505)
velto_tool_check(tool_popup_run_remove "^<HR>\n?$" popup-run "${velto_popup_dir}/hr.htm" 1 1506)
velto_tool_check(tool_popup_run_image_size "^<IMG WIDTH=\"320\" HEIGHT=\"200\" SRC=\"pic\\.gif\">\n?$"
                 popup-run "${velto_popup_dir}/img.htm" 1 1501)
velto_tool_check(tool_popup_run_palette "^<BODY BGCOLOR=\"Navy\">x</BODY>\n?$"
                 popup-run "${velto_popup_dir}/body.htm" 1 1520 navy)
# 1519 is TARGET's typed-in entry, after METHOD's and ENCTYPE's values of the living standard.
velto_tool_check(tool_popup_run_other "^<FORM TARGET=main>\n?$" popup-run "${velto_popup_dir}/form.htm" 1 1519 main)
velto_tool_check(tool_popup_run_refused_text "Value can't contain spaces or tabs"
                 popup-run "${velto_popup_dir}/form.htm" 1 1519 "a b")
velto_tool_fails(tool_popup_run_refused popup-run "${velto_popup_dir}/form.htm" 1 1519 "a b")
velto_tool_fails(tool_popup_run_bad_colour popup-run "${velto_popup_dir}/body.htm" 1 1520 grey)
velto_tool_fails(tool_popup_run_submenu popup-run "${velto_popup_dir}/hr.htm" 1 1502)

# insert-menus and insert: the HTML insert menus and their commands.
velto_tool_check(tool_insert_menus_quick
                 "^0\t&Quick\t\n  32783\tRefresh Pre&view\\\\tCtrl\\+R\tRefresh the HTML preview in your web browser\n  1203\tHyperlink &Anchor\\\\tCtrl\\+L\tInsert Hyperlink Anchor element around the selection or at the carat position\n"
                 insert-menus)
velto_tool_check(tool_insert_menus_html20 "\n0\t&Advanced\t\n  1096\tNew &Form\t"
                 insert-menus --versions "HTML v2.0")
velto_tool_fails(tool_insert_menus_bad_option insert-menus --upper)
set(velto_insert_page "${CMAKE_CURRENT_BINARY_DIR}/insert.txt")
file(WRITE "${velto_insert_page}" "x hello y")
velto_tool_check(tool_insert_wraps "^x <B>hello</B> y\n?$" insert "${velto_insert_page}" 2 7 1200)
velto_tool_check(tool_insert_lower "^x <b>hello</b> y\n?$" insert "${velto_insert_page}" 2 7 1200 --lower)
velto_tool_check(tool_insert_at_caret "^<A></A>x hello y\n?$" insert "${velto_insert_page}" 0 0 1203)
velto_tool_fails(tool_insert_unknown_id insert "${velto_insert_page}" 0 0 1500)
velto_tool_fails(tool_insert_past_end insert "${velto_insert_page}" 0 99 1200)
