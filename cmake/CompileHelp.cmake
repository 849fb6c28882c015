# Script mode (cmake -P): compiles the help sources into one .chm.
#   CHMCMD, PYTHON, CHM_TOOLS, SOURCE_DIR, STAGE_DIR, OUTPUT
# chmcmd writes beside its project, so it works on a copy in the build tree.
# It exits 0 even when pages or links are missing; its warnings fail here.
file(REMOVE_RECURSE ${STAGE_DIR})
file(COPY ${SOURCE_DIR}/ DESTINATION ${STAGE_DIR})

execute_process(
  COMMAND ${CHMCMD} QuellmarchHelp.hhp
  WORKING_DIRECTORY ${STAGE_DIR}
  RESULT_VARIABLE status
  OUTPUT_VARIABLE output
  ERROR_VARIABLE output)
string(REGEX MATCHALL "[^\n]*(Warning|Error)[^\n]*" problems "${output}")
if(NOT status EQUAL 0 OR problems OR NOT EXISTS ${STAGE_DIR}/QuellmarchHelp.chm)
  message(FATAL_ERROR "chmcmd reported problems (exit status ${status}):\n${output}")
endif()

# chmcmd stores each help context's page as its path on this machine.
execute_process(
  COMMAND ${PYTHON} ${CHM_TOOLS}/fix-contexts.py ${STAGE_DIR}/QuellmarchHelp.chm ${STAGE_DIR}
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "fix-contexts.py failed on ${STAGE_DIR}/QuellmarchHelp.chm")
endif()
file(COPY_FILE ${STAGE_DIR}/QuellmarchHelp.chm ${OUTPUT})
