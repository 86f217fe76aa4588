# find and links: Find in Files and Check Links over a site the test writes.
set(site_dir "${CMAKE_CURRENT_BINARY_DIR}/site")
file(REMOVE_RECURSE "${site_dir}")
file(MAKE_DIRECTORY "${site_dir}/docs" "${site_dir}/img")
file(WRITE "${site_dir}/index.html"
  "<a href=\"docs/guide.html#setup\">Guide</a>\n<img src=\"img/logo%20big.png\">\n<a href=\"docs/guide.html#gone\">x</a>\n")
file(WRITE "${site_dir}/docs/guide.html"
  "<h1 id=setup>Footer</h1>\n<p style=\"background: url(../img/old.png)\">footer text</p>\n<a href=\"https://example.com/\">r</a>\n")
file(WRITE "${site_dir}/img/logo big.png" "PNG")
file(WRITE "${site_dir}/img/spare.gif" "GIF")
file(WRITE "${site_dir}/notes.txt" "footer in a text file\n")
# windows-1252 without a declaration, and a binary file named like a page.
velto_bytes("${site_dir}/docs/old.html" "3C703E436166E920666F6F7465723C2F703E0A")  # <p>Café footer</p>
velto_bytes("${site_dir}/docs/binary.html" "474946383961000000666F6F746572")          # GIF89a\0\0\0footer

velto_tool_check(tool_find_text
  "^[^\n]*/docs/guide\\.html:1:14: <h1 id=setup>Footer</h1>\n[^\n]*/docs/guide\\.html:2:44: <p style=\"background: url\\(\\.\\./img/old\\.png\\)\">footer text</p>\n[^\n]*/docs/old\\.html:1:9: <p>Café footer</p>\n$"
  find "${site_dir}" footer)
velto_tool_check(tool_find_options "^[^\n]*/docs/guide\\.html:1:14: <h1 id=setup>Footer</h1>\n$"
  find "${site_dir}" "F[a-z]+r" --regex --case --word)
velto_tool_check(tool_find_include "^[^\n]*/notes\\.txt:1:1: footer in a text file\n$"
  find "${site_dir}" footer --include "*.txt")
velto_tool_fails(tool_find_nothing find "${site_dir}" "no such words")
velto_tool_fails(tool_find_bad_expression find "${site_dir}" "(" --regex)
velto_tool_check(tool_links_problems
  "^[^\n]*/docs/guide\\.html:2\\.27: missing: \\.\\./img/old\\.png\n[^\n]*/index\\.html:3\\.10: fragment: docs/guide\\.html#gone\n[^\n]*/docs/binary\\.html: orphan\n[^\n]*/docs/old\\.html: orphan\n[^\n]*/img/spare\\.gif: orphan\n[^\n]*/notes\\.txt: orphan\n$"
  links "${site_dir}")
velto_tool_fails(tool_links_exit_status links "${site_dir}")
# replace: the changes listed with a group of the expression in each, nothing written.
velto_tool_check(tool_replace_dry_run
  "^[^\n]*/docs/guide\\.html:1\\.14: Footer -> FOOTER\n[^\n]*/docs/guide\\.html:2\\.44: footer -> fOOTER\n[^\n]*/docs/old\\.html:1\\.9: footer -> fOOTER\n$"
  replace "${site_dir}" "(F|f)ooter" "$1OOTER" --regex --dry-run)
velto_tool_fails(tool_replace_nothing replace "${site_dir}" "no such words" "x" --dry-run)
# rename: the links that lead to a moved image, listed and then rewritten.
set(rename_dir "${CMAKE_CURRENT_BINARY_DIR}/site-rename")
file(REMOVE_RECURSE "${rename_dir}")
file(MAKE_DIRECTORY "${rename_dir}/docs")
file(WRITE "${rename_dir}/index.html" "<img src=\"logo.png\">\n<a href=\"docs/a.html\">a</a>\n")
file(WRITE "${rename_dir}/docs/a.html" "<p>\n<img src=\"../logo.png\" alt=x>\n")
file(WRITE "${rename_dir}/logo.png" "PNG")
velto_tool_check(tool_rename_dry_run
  "^[^\n]*/docs/a\\.html:2\\.11: \\.\\./logo\\.png -> \\.\\./img/site%20logo\\.png\n[^\n]*/index\\.html:1\\.11: logo\\.png -> img/site%20logo\\.png\n$"
  rename "${rename_dir}" "${rename_dir}/logo.png" "${rename_dir}/img/site logo.png" --dry-run)
