# velto-tool shown-lines: a page's long line shown broken after its tags, an ordinary page
# shown as it is.
string(REPEAT "<b>x</b><i>y</i>" 500 minified)
set(shown_sample "${CMAKE_CURRENT_BINARY_DIR}/shown-lines-sample.html")
file(WRITE "${shown_sample}" "<p>one</p>\n${minified}\r\n<p>last</p>\n")

velto_tool_check(tool_shown_lines
  "^lines 4\nshown broken 1\nbreaks [1-9][0-9]*\nlongest shown line 1[0-9][0-9]\n$"
  shown-lines "${shown_sample}")
# The first break goes after the first '>' once the shown line holds 100 bytes.
velto_tool_check(tool_shown_lines_offsets "^115\n" shown-lines --offsets "${shown_sample}")
velto_tool_check(tool_shown_lines_ordinary "^lines [0-9]+\nshown broken 0\nbreaks 0\n"
  shown-lines "${PROJECT_SOURCE_DIR}/data/sample.html")
velto_tool_fails(tool_shown_lines_no_file shown-lines --offsets)
