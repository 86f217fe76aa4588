# previewers and preview-file: the profiles as a settings file gives them, and a preview
# file written beside a document made here.
set(velto_preview "${CMAKE_CURRENT_BINARY_DIR}/preview")
file(REMOVE_RECURSE "${velto_preview}")
file(WRITE "${velto_preview}/settings.ini" "[Settings]\nHTML%20Previewer=chromium\nKeep%20Velto%20In%20Front=1\n[Chromium]\nPreviewer=chromium --no-sandbox\nDelayOnAppStart=500\n")
file(WRITE "${velto_preview}/my site/page.html" "<HTML>\n<A HREF=x>\nlink</A>\n</HTML>\n")
velto_tool_check(tool_previewers
                 "^Default Browser\t\\(desktop browser\\)\t0\tWindowActivateSelf,ProvideFragment\nFirefox\t[^\n]*\n\\*Chromium\tchromium --no-sandbox\t500\t[^\n]*\nGoogle Chrome\tgoogle-chrome\t0\t[^\n]*\nEpiphany\tepiphany-browser\t0\t[^\n]*\nKeep Velto In Front: 1\n$"
                 previewers)
velto_tool_check(tool_preview_file "^file://[^\n]*/my%20site/~veltopv0\\.htm#_quorbm\\+0\n$"
                 preview-file "${velto_preview}/my site/page.html" --scroll --first-line 2)
velto_tool_check(tool_preview_file_plain "^file://[^\n#]*/my%20site/~veltopv0\\.htm\n$"
                 preview-file "${velto_preview}/my site/page.html" --profile "default browser")
velto_tool_fails(tool_preview_file_no_profile preview-file "${velto_preview}/my site/page.html" --profile Netscape)
velto_tool_fails(tool_preview_file_unwritable preview-file /proc/version)
set_tests_properties(tool_previewers tool_preview_file tool_preview_file_plain tool_preview_file_no_profile
                     tool_preview_file_unwritable
                     PROPERTIES ENVIRONMENT "VELTO_PROFILE=${velto_preview}/settings.ini")

# Files named relative to the folder the tool runs in, as a user types them.
velto_tool_check(tool_preview_file_relative "^file:///[^\n#]*/my%20site/~veltopv0\\.htm\n$"
                 preview-file "my site/page.html" --profile "default browser")
set_tests_properties(tool_preview_file_relative PROPERTIES WORKING_DIRECTORY "${velto_preview}"
                     ENVIRONMENT "VELTO_PROFILE=${velto_preview}/settings.ini")
velto_tool_check(tool_url_relative_folder "^page\\.html\n$" url "my site" "${velto_preview}/my site/page.html")
velto_tool_check(tool_folder_menu_relative "\t${velto_preview}/my site/page\\.html\n" folder-menu "my site" "*.html")
set_tests_properties(tool_url_relative_folder tool_folder_menu_relative PROPERTIES WORKING_DIRECTORY "${velto_preview}")
