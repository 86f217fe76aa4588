# velto-tool colour-runs: the style runs of a whole file, and their counts by class.
set(colour_sample "${CMAKE_CURRENT_BINARY_DIR}/colour-runs-sample.html")
file(WRITE "${colour_sample}" "<B>bold</B> <Rubbish> <!-- c <I> --> < B> x\n")

velto_tool_check(tool_colour_runs
  "^0 3 Style\n3 7 Text\n7 11 Style\n11 12 Text\n12 21 Unknown or Error\n21 22 Text\n22 36 Comment\n36 44 Text\n$"
  colour-runs "${colour_sample}")
velto_tool_check(tool_colour_runs_count
  "^Text 4\nBody 0\nDisabled 0\nUnknown or Error 1\nHead 0\n.*\nStyle 2\n.*\nComment 1\n$"
  colour-runs --count "${colour_sample}")
# The shipped sample page: every class line is there, in class order.
velto_tool_check(tool_colour_runs_count_sample
  "^Text [1-9][0-9]*\nBody [0-9]+\nDisabled [0-9]+\nUnknown or Error [0-9]+\nHead [1-9][0-9]*\nStructure/Layout [0-9]+\nList [0-9]+\nTable [0-9]+\nForm [0-9]+\nStyle [0-9]+\nMeaning [0-9]+\nAnchor Tag [0-9]+\nEmbed/Programmatic [0-9]+\nComment [0-9]+\n$"
  colour-runs --count "${PROJECT_SOURCE_DIR}/data/sample.html")
velto_tool_fails(tool_colour_runs_missing_file colour-runs "${CMAKE_CURRENT_BINARY_DIR}/no-such-file.html")
velto_tool_fails(tool_colour_runs_folder colour-runs "${CMAKE_CURRENT_BINARY_DIR}")
velto_tool_fails(tool_colour_runs_no_file colour-runs --count)
