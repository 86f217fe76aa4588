# velto-tool kb: the knowledge base as tab-separated lines, and the events by version.
add_test(NAME tool_kb_header COMMAND velto-tool kb)
set_tests_properties(tool_kb_header PROPERTIES PASS_REGULAR_EXPRESSION
  "^kind\telement\tattribute\tvalue\tnameText\tlabel\tmenuText\tversions\tkindFlags\tsharedSelect\tcontext\tappearance\tdescription\nelement\t!DOCTYPE\t")
add_test(NAME tool_kb_rows COMMAND velto-tool kb)
set_tests_properties(tool_kb_rows PROPERTIES PASS_REGULAR_EXPRESSION
  "\nelement\tBASE\t\t\t&BASE\t&Base Address\tDocument &Base URL\t7031F\t1\t2\tHEAD\tHead\t\nattribute\tBASE\tHREF\t\tH&REF\tHyperlink U&RI\tDestination U&RI\t7031F\t800002\t\t\t\tBase address [(]URL[)] for relative paths within this document\n.*\nvalue\tIMG\tLOOP\t\t\t&Count...\t\t70000\t400015A\t\t\t\tPlay a specified number of times\n")
add_test(NAME tool_kb_escapes_tabs COMMAND velto-tool kb)
set_tests_properties(tool_kb_escapes_tabs PROPERTIES PASS_REGULAR_EXPRESSION
  "\nelement\tH1\t\t\tH&1\\\\tCtrl[+]1\tHeading &1\\\\tCtrl[+]1\tHeading Level &1 [(]big[)]\\\\tCtrl[+]1\t7031F\t0\t0\t\tStructure/Layout\t")
add_test(NAME tool_kb_event_pairs COMMAND velto-tool kb)
set_tests_properties(tool_kb_event_pairs PROPERTIES PASS_REGULAR_EXPRESSION
  "\nevents\tFORM\tEvent Handlers\t\tE&vent Handlers\t\t\tFFFFFFF\t10000016\t\t\t\t300:50000200 200:50000400 20000:50000200 40008:3000407F 40008:50000600 10:30008FFF 10:50000600 10:6FFFFFFF 10:90000003\n")
add_test(NAME tool_kb_shared_last COMMAND velto-tool kb)
set_tests_properties(tool_kb_shared_last PROPERTIES PASS_REGULAR_EXPRESSION
  "\nshared\t\tDIR\t\tDI&R\tText Di&rection\t\t40018\t1400016\t201\t\t\t[^\n]*\nsharedvalue\t\tDIR\tLTR\t[^\n]*\nsharedvalue\t\tDIR\tRTL\t[^\n]*\nsharedvalue\t\tDIR\tAUTO\t[^\n]*\t10\t16\t[^\n]*\nshared\t\tACCESSKEY\t[^\n]*\t10\t16\t100301\t.*\nshared\t\tROLE\t\tROLE\t&Role\tAccessibility &Role\t10\t1400016\t301\t.*\nsharedvalue\t\tROLE\t\t\t&Other...\t[^\n]*\n$")
# The living standard's records: its elements, new attributes of older ones, its events.
add_test(NAME tool_kb_html5_element COMMAND velto-tool kb)
set_tests_properties(tool_kb_html5_element PROPERTIES PASS_REGULAR_EXPRESSION
  "\nelement\tVIDEO\t\t\t&VIDEO\t&Video\t&Video Player\t10\t0\t0\t\tEmbed/Programmatic\t[^\n]*\nattribute\tVIDEO\tSRC\t\tS&RC\tSou&rce\t\t10\t5\t")
add_test(NAME tool_kb_html5_events COMMAND velto-tool kb)
set_tests_properties(tool_kb_html5_events PROPERTIES PASS_REGULAR_EXPRESSION
  "\nevents\tVIDEO\tEvent Handlers\t[^\n]*\t10:30008FFF 10:5000000E 10:6FFFFFFF 10:907FFFFB\n")
add_test(NAME tool_kb_html5_void COMMAND velto-tool kb)
set_tests_properties(tool_kb_html5_void PROPERTIES PASS_REGULAR_EXPRESSION
  "\nelement\tSOURCE\t\t\t&SOURCE\t[^\n]*\t10\t1\t0\tAUDIO PICTURE VIDEO\t")
add_test(NAME tool_kb_html5_kept COMMAND velto-tool kb)
set_tests_properties(tool_kb_html5_kept PROPERTIES PASS_REGULAR_EXPRESSION
  "\nvalue\tINPUT\tTYPE\tEMAIL\t[^\n]*\t10\t16\t.*\nattribute\tINPUT\tREQUIRED\t[^\n]*\t10\t15\t.*\nelement\tFONT\t[^\n]*\t7030C\t")
add_test(NAME tool_kb_events_html5 COMMAND velto-tool kb --events "HTML5")
set_tests_properties(tool_kb_events_html5 PROPERTIES PASS_REGULAR_EXPRESSION
  "^BODY\t[^\n]* OnLoad OnUnload OnAuxClick [^\n]* OnBeforeUnload ")
add_test(NAME tool_kb_events_html5_obsolete COMMAND velto-tool kb --events "HTML5")
set_tests_properties(tool_kb_events_html5_obsolete PROPERTIES PASS_REGULAR_EXPRESSION
  "\nFONT\t\n")
