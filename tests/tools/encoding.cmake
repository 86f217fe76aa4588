# encoding: the encoding each page is read in, the rule, and the round trip; and pages
# read by the other commands in their own encoding.
set(enc_dir "${CMAKE_CURRENT_BINARY_DIR}/encoding")
file(MAKE_DIRECTORY "${enc_dir}")
# The pages' bytes, written from their hexadecimal form.
function(velto_bytes path hex)
  string(REGEX REPLACE "([0-9A-Fa-f][0-9A-Fa-f])" "\\\\x\\1" escaped "${hex}")
  execute_process(COMMAND printf "${escaped}" OUTPUT_FILE "${path}")
endfunction()
velto_bytes("${enc_dir}/old.html" "3C503E436166E920637265EA706520933C2F503E0A")           # <P>Café crêpe “</P>
velto_bytes("${enc_dir}/koi.html" "3C6D65746120636861727365743D6B6F69382D723E3C703EF0D2C9D7C5D43C623E")  # <meta charset=koi8-r><p>Привет<b>
velto_bytes("${enc_dir}/stray.html" "3C6D65746120636861727365743D7574662D383E436166E9")     # <meta charset=utf-8>Café (Latin-1)
velto_bytes("${enc_dir}/bom.html" "FFFE3C00700020003E00")                                    # UTF-16LE BOM <p >
velto_tool_check(tool_encoding_rules
  "old.html\twindows-1252\tfallback\tround-trip\n.*koi.html\tKOI8-R\tmeta\tround-trip\n.*stray.html\tUTF-8\tmeta\traw:invalid\tdeclares UTF-8, is not\n.*bom.html\tUTF-16LE BOM\tbom\tround-trip\n"
  encoding "${enc_dir}/old.html" "${enc_dir}/koi.html" "${enc_dir}/stray.html" "${enc_dir}/bom.html")
velto_tool_check(tool_encoding_chosen "old.html\tKOI8-R\tchosen\tround-trip\n"
  encoding --encoding koi8-r "${enc_dir}/old.html")
velto_tool_fails(tool_encoding_unknown encoding --encoding klingon "${enc_dir}/old.html")
# strip-tags writes the page's text back in the page's own bytes.
add_test(NAME tool_strip_tags_keeps_the_encoding
         COMMAND sh -c "\"$1\" strip-tags \"$2\" | od -An -tx1 | tr -d ' \\n'" sh $<TARGET_FILE:velto-tool> "${enc_dir}/old.html")
set_tests_properties(tool_strip_tags_keeps_the_encoding PROPERTIES PASS_REGULAR_EXPRESSION "436166e920637265ea706520930a")
# Offsets are those of the text as the editor holds it: Привет takes 12 bytes there.
velto_tool_check(tool_tag_find_decoded "^36 39 <b>\n$" tag-find "${enc_dir}/koi.html" 37)
