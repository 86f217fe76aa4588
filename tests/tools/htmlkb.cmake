# velto-tool kb: the knowledge base as tab-separated lines, and the events by version.
add_test(NAME tool_kb_header COMMAND velto-tool kb)
set_tests_properties(tool_kb_header PROPERTIES PASS_REGULAR_EXPRESSION
  "^kind\telement\tattribute\tvalue\tnameText\tlabel\tmenuText\tversions\tkindFlags\tsharedSelect\tcontext\tappearance\tdescription\nelement\t!DOCTYPE\t")
add_test(NAME tool_kb_rows COMMAND velto-tool kb)
set_tests_properties(tool_kb_rows PROPERTIES PASS_REGULAR_EXPRESSION
  "\nelement\tBASE\t\t\t&BASE\t&Base Address\tDocument &Base URL\t7030F\t1\t2\tHEAD\tHead\t\nattribute\tBASE\tHREF\t\tH&REF\tHyperlink U&RI\tDestination U&RI\t7030F\t800002\t\t\t\tBase address [(]URL[)] for relative paths within this document\n.*\nvalue\tIMG\tLOOP\t\t\t&Count...\t\t70000\t400015A\t\t\t\tPlay a specified number of times\n")
add_test(NAME tool_kb_escapes_tabs COMMAND velto-tool kb)
set_tests_properties(tool_kb_escapes_tabs PROPERTIES PASS_REGULAR_EXPRESSION
  "\nelement\tH1\t\t\tH&1\\\\tCtrl[+]1\tHeading &1\\\\tCtrl[+]1\tHeading Level &1 [(]big[)]\\\\tCtrl[+]1\t7030F\t0\t0\t\tStructure/Layout\t")
add_test(NAME tool_kb_event_pairs COMMAND velto-tool kb)
set_tests_properties(tool_kb_event_pairs PROPERTIES PASS_REGULAR_EXPRESSION
  "\nevents\tFORM\tEvent Handlers\t\tE&vent Handlers\t\t\tFFFFFFF\t10000016\t\t\t\t300:50000200 200:50000400 20000:50000200 40008:3000407F 40008:50000600\n")
add_test(NAME tool_kb_shared_last COMMAND velto-tool kb)
set_tests_properties(tool_kb_shared_last PROPERTIES PASS_REGULAR_EXPRESSION
  "\nshared\t\tDIR\t\tDI&R\tText Di&rection\t\t40008\t1400016\t201\t\t\t[^\n]*\nsharedvalue\t\tDIR\tLTR\t[^\n]*\nsharedvalue\t\tDIR\tRTL\t[^\n]*\n$")
add_test(NAME tool_kb_events_navigator3 COMMAND velto-tool kb --events "Netscape Navigator 3.0")
set_tests_properties(tool_kb_events_navigator3 PROPERTIES PASS_REGULAR_EXPRESSION
  "^BODY\tOnFocus OnBlur OnLoad OnUnload\nDIV\t\n.*\nFORM\tOnSubmit OnReset\n")
add_test(NAME tool_kb_events_two_versions COMMAND velto-tool kb --events "HTML v2.0, Internet Explorer 3.0")
set_tests_properties(tool_kb_events_two_versions PROPERTIES PASS_REGULAR_EXPRESSION
  "\nA\tOnMouseClick OnMouseOver\n.*\nFORM\tOnSubmit\n")
add_test(NAME tool_kb_events_unknown_version COMMAND velto-tool kb --events "Mosaic 1.0")
set_tests_properties(tool_kb_events_unknown_version PROPERTIES WILL_FAIL TRUE)
add_test(NAME tool_kb_bad_arguments COMMAND velto-tool kb --everything)
set_tests_properties(tool_kb_bad_arguments PROPERTIES WILL_FAIL TRUE)
