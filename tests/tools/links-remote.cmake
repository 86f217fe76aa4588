# links --remote: a site's web addresses asked about at a server the test runs on 127.0.0.1.
add_executable(velto_test_http_server ${CMAKE_CURRENT_SOURCE_DIR}/test-http-server.cpp)
target_link_libraries(velto_test_http_server PRIVATE velto_test_fakes)
add_test(NAME tool_links_remote
         COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/links-remote.sh $<TARGET_FILE:velto-tool>
                 $<TARGET_FILE:velto_test_http_server> ${CMAKE_CURRENT_BINARY_DIR}/links-remote)
set_tests_properties(tool_links_remote PROPERTIES PASS_REGULAR_EXPRESSION "^ok\n$")
