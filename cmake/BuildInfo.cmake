# Writes Util/BuildInfo.h into OUTPUT: today's date (or SOURCE_DATE_EPOCH's), the commit of
# SOURCE_DIR ("-dirty" with changes not yet committed, "unknown" outside git) and the licence.
# configure_file leaves the header untouched when nothing changed, so nothing recompiles.
execute_process(COMMAND git describe --always --dirty --abbrev=12
                WORKING_DIRECTORY ${SOURCE_DIR}
                OUTPUT_VARIABLE BUILD_COMMIT OUTPUT_STRIP_TRAILING_WHITESPACE
                RESULT_VARIABLE failed ERROR_QUIET)
if(failed OR NOT BUILD_COMMIT)
  set(BUILD_COMMIT unknown)
endif()
string(TIMESTAMP BUILD_DATE "%Y-%m-%d" UTC)
file(READ ${SOURCE_DIR}/LICENSE LICENCE_TEXT)
string(STRIP "${LICENCE_TEXT}" LICENCE_TEXT)
configure_file(${SOURCE_DIR}/Util/BuildInfo.h.in ${OUTPUT} @ONLY)
