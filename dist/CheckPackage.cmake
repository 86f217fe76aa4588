# Run by CPack after it made the package: the package's contents against the package's list
# of files, and the dependencies dpkg-shlibdeps found for it.
include("${CMAKE_CURRENT_LIST_DIR}/CheckInstallTree.cmake")

foreach(deb IN LISTS CPACK_PACKAGE_FILES)
  set(unpacked "${CPACK_TOPLEVEL_DIRECTORY}/velto-contents")
  file(REMOVE_RECURSE "${unpacked}")
  execute_process(COMMAND dpkg-deb --extract "${deb}" "${unpacked}" RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "dpkg-deb could not unpack ${deb}")
  endif()
  # Nothing may lie outside the prefix (a path installed as absolute would).
  file(GLOB outside RELATIVE "${unpacked}" "${unpacked}/*")
  string(REGEX REPLACE "^/([^/]+).*" "\\1" top "${CPACK_PACKAGING_INSTALL_PREFIX}")
  list(REMOVE_ITEM outside "${top}")
  if(outside)
    message(FATAL_ERROR "${deb} installs outside ${CPACK_PACKAGING_INSTALL_PREFIX}: ${outside}")
  endif()
  velto_check_install_tree("${unpacked}${CPACK_PACKAGING_INSTALL_PREFIX}" "${CPACK_VELTO_PACKAGE_FILES}")
  file(REMOVE_RECURSE "${unpacked}")

  execute_process(COMMAND dpkg-deb --field "${deb}" Depends OUTPUT_VARIABLE depends
                  OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT depends MATCHES "libqt6widgets6" OR NOT depends MATCHES "libqscintilla2-qt6")
    message(FATAL_ERROR "${deb} does not depend on the libraries it links (Depends: ${depends})")
  endif()
  message(STATUS "${deb} holds what the package lists; Depends: ${depends}")
endforeach()
