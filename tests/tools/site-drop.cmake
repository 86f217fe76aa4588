# drop-text: what a file dragged from the Site dock writes into a page.
set(drop_dir "${CMAKE_CURRENT_BINARY_DIR}/site-drop")
file(REMOVE_RECURSE "${drop_dir}")
file(MAKE_DIRECTORY "${drop_dir}/docs" "${drop_dir}/img")
# A PNG header of 120 x 45 pixels.
velto_bytes("${drop_dir}/img/logo.png" "89504E470D0A1A0A0000000D49484452000000780000002D080200000000000000")
file(WRITE "${drop_dir}/docs/guide.html" "<p>guide</p>\n")
velto_tool_check(tool_drop_text_image
  "^<IMG SRC=\"\\.\\./img/logo\\.png\" WIDTH=\"120\" HEIGHT=\"45\" ALT=\"\">\\|\n$"
  drop-text "${drop_dir}/img/logo.png" "${drop_dir}/docs/guide.html")
velto_tool_check(tool_drop_text_untitled "^<a href=\"file://[^\"]*/site-drop/docs/guide\\.html\">\\|</a>\n$"
  drop-text "${drop_dir}/docs/guide.html" --lower)
velto_tool_fails(tool_drop_text_usage drop-text)
