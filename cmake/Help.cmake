# The user's help file and release notes, beside Quellmarch.exe in each
# Windows build (the program opens ExeDir\QuellmarchHelp.chm and shows
# ExeDir\ReleaseNotes.txt in its About box).
#
# chmcmd (Debian's fp-utils) compiles docs/help into QuellmarchHelp.chm; any
# warning of it fails the build, so a broken link or a missing page does not
# ship. The test help.contexts reads the compiled file back and checks that
# its default topic and the context numbers the program asks for open the
# right pages.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
find_program(QM_CHMCMD chmcmd REQUIRED)

set(QM_HELP_SOURCE_DIR ${PROJECT_SOURCE_DIR}/docs/help)
set(QM_HELP_FILE ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/QuellmarchHelp.chm)
set(QM_CHM_TOOLS ${PROJECT_SOURCE_DIR}/tools/chm)
file(GLOB QM_HELP_SOURCES CONFIGURE_DEPENDS ${QM_HELP_SOURCE_DIR}/*)

add_custom_command(
  OUTPUT ${QM_HELP_FILE}
  COMMAND ${CMAKE_COMMAND}
          -DCHMCMD=${QM_CHMCMD} -DPYTHON=${Python3_EXECUTABLE} -DCHM_TOOLS=${QM_CHM_TOOLS}
          -DSOURCE_DIR=${QM_HELP_SOURCE_DIR} -DSTAGE_DIR=${CMAKE_BINARY_DIR}/help
          -DOUTPUT=${QM_HELP_FILE}
          -P ${PROJECT_SOURCE_DIR}/cmake/CompileHelp.cmake
  DEPENDS ${QM_HELP_SOURCES} ${PROJECT_SOURCE_DIR}/cmake/CompileHelp.cmake
          ${QM_CHM_TOOLS}/fix-contexts.py ${QM_CHM_TOOLS}/chmfile.py
  COMMENT "Compiling QuellmarchHelp.chm"
  VERBATIM)
add_custom_target(qm_help ALL DEPENDS ${QM_HELP_FILE})

# Windows line ends: the notes are read on Windows, also by people with Notepad.
configure_file(${PROJECT_SOURCE_DIR}/docs/package/ReleaseNotes.txt
               ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/ReleaseNotes.txt @ONLY NEWLINE_STYLE CRLF)

# The default topic, the context numbers and the pages the program opens,
# each tied to the page it must show.
add_test(NAME help.contexts
         COMMAND ${Python3_EXECUTABLE} ${QM_CHM_TOOLS}/check-help.py ${QM_HELP_FILE})
