# velto-tool colour-runs: the style runs of a whole file, and their counts by class.
set(colour_sample "${CMAKE_CURRENT_BINARY_DIR}/colour-runs-sample.html")
file(WRITE "${colour_sample}" "<B>bold</B> <Rubbish> <!-- c <I> --> < B> x\n")

velto_tool_check(tool_colour_runs
  "^0 3 Style\n3 7 Text\n7 11 Style\n11 12 Text\n12 21 Unknown or Error\n21 22 Text\n22 36 Comment\n36 44 Text\n$"
  colour-runs "${colour_sample}")
velto_tool_check(tool_colour_runs_count
  "^Text 4\nBody 0\nDisabled 0\nUnknown or Error 1\nHead 0\n.*\nStyle 2\n.*\nComment 1\nAttribute Value 0\n.*\nScript Keyword 0\n$"
  colour-runs --count "${colour_sample}")
# The shipped sample page: every class line is there, in class order.
velto_tool_check(tool_colour_runs_count_sample
  "^Text [1-9][0-9]*\nBody [0-9]+\nDisabled [0-9]+\nUnknown or Error [0-9]+\nHead [1-9][0-9]*\nStructure/Layout [0-9]+\nList [0-9]+\nTable [0-9]+\nForm [0-9]+\nStyle [0-9]+\nMeaning [0-9]+\nAnchor Tag [0-9]+\nEmbed/Programmatic [0-9]+\nComment [0-9]+\nAttribute Value [0-9]+\nCharacter Reference [0-9]+\nCSS Comment [0-9]+\nCSS Selector [0-9]+\nCSS Keyword [0-9]+\nCSS Property [0-9]+\nCSS Value [0-9]+\nCSS Number [0-9]+\nCSS Colour [0-9]+\nCSS String [0-9]+\nScript Identifier [0-9]+\nScript Comment [0-9]+\nScript String [0-9]+\nScript Regex [0-9]+\nScript Number [0-9]+\nScript Keyword [0-9]+\n$"
  colour-runs --count "${PROJECT_SOURCE_DIR}/data/sample.html")
# Inside the page: a style sheet, a script and references by name.
set(colour_inside "${CMAKE_CURRENT_BINARY_DIR}/colour-runs-inside.html")
file(WRITE "${colour_inside}" "<style>a{}</style><script>x=/r/</script>&amp;")
velto_tool_check(tool_colour_runs_inside
  "^0 7 Head\n7 8 CSS Selector\n8 10 Text\n10 18 Head\n18 26 Embed/Programmatic\n26 27 Script Identifier\n27 28 Text\n28 31 Script Regex\n31 40 Embed/Programmatic\n40 45 Character Reference\n$"
  colour-runs "${colour_inside}")
velto_tool_fails(tool_colour_runs_missing_file colour-runs "${CMAKE_CURRENT_BINARY_DIR}/no-such-file.html")
velto_tool_fails(tool_colour_runs_folder colour-runs "${CMAKE_CURRENT_BINARY_DIR}")
velto_tool_fails(tool_colour_runs_no_file colour-runs --count)

# velto-tool colour-edits: edits made one by one (a line break typed in a comment that holds
# tags, a style sheet inserted before, a '>' deleted) end as colour-runs colours the result.
set(colour_edits_page "${CMAKE_CURRENT_BINARY_DIR}/colour-edits-page.html")
set(colour_edits_list "${CMAKE_CURRENT_BINARY_DIR}/colour-edits.txt")
set(colour_edits_result "${CMAKE_CURRENT_BINARY_DIR}/colour-edits-result.html")
file(WRITE "${colour_edits_page}" "<b>x</b> <!-- <p>a b</p> --> &amp;\n")
file(WRITE "${colour_edits_list}" "insert 20 \\n\n\ninsert 0 <style>p { color: red }</style>\\t\ndelete 34 1\n")
file(WRITE "${colour_edits_result}" "<style>p { color: red }</style>\t<bx</b> <!-- <p>a b\n</p> --> &amp;\n")
set(colour_edits_runs
  "^0 7 Head\n7 8 CSS Selector\n8 11 Text\n11 16 CSS Property\n16 18 Text\n18 21 CSS Value\n21 23 Text\n23 31 Head\n31 35 Text\n35 39 Style\n39 40 Text\n40 60 Comment\n60 61 Text\n61 66 Character Reference\n66 67 Text\n$")
velto_tool_check(tool_colour_edits "${colour_edits_runs}" colour-edits "${colour_edits_page}" "${colour_edits_list}")
velto_tool_check(tool_colour_edits_whole "${colour_edits_runs}" colour-runs "${colour_edits_result}")
set(colour_edits_bad "${CMAKE_CURRENT_BINARY_DIR}/colour-edits-bad.txt")
file(WRITE "${colour_edits_bad}" "insert 0 x\nreplace 1 2\n")
velto_tool_fails(tool_colour_edits_bad_line colour-edits "${colour_edits_page}" "${colour_edits_bad}")
set(colour_edits_far "${CMAKE_CURRENT_BINARY_DIR}/colour-edits-far.txt")
file(WRITE "${colour_edits_far}" "delete 30 100\n")
velto_tool_fails(tool_colour_edits_past_the_end colour-edits "${colour_edits_page}" "${colour_edits_far}")
velto_tool_fails(tool_colour_edits_no_edits colour-edits "${colour_edits_page}")
