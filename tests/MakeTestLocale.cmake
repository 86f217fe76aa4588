# Makes a German LC_TIME in OUT (a folder for LOCPATH) from the system's locale sources,
# so tests can show that dates written for files and reports ignore the user's language.
# localedef warns, and answers 1, for the categories the source leaves out: only the
# made file counts.
file(MAKE_DIRECTORY "${OUT}")
file(WRITE "${OUT}/de_time.src" "LC_TIME\ncopy \"de_DE\"\nEND LC_TIME\n")
execute_process(COMMAND "${LOCALEDEF}" -c -i "${OUT}/de_time.src" -f UTF-8 "${OUT}/de_DE.UTF-8"
                OUTPUT_QUIET ERROR_QUIET)
if(NOT EXISTS "${OUT}/de_DE.UTF-8/LC_TIME")
  message(FATAL_ERROR "localedef made no German LC_TIME in ${OUT}: is the locales package installed?")
endif()
