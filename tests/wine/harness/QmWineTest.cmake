# qm_wine_test() and the fixtures every Wine test stands on. Included once by
# tests/wine/CMakeLists.txt; the interface is documented there.

# Everything below is derived from the top-level build and source folders,
# so qm_wine_test() also works when called from outside tests/wine.
function(qm_wine_environment out)
  set(${out}
    WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix
    WINEDEBUG=-all
    WINEDLLOVERRIDES=mscoree,mshtml=
    QM_BIN_DIR=${CMAKE_BINARY_DIR}/bin
    QM_BUILD_DIR=${CMAKE_BINARY_DIR}
    QM_SOURCE_DIR=${PROJECT_SOURCE_DIR}
    QM_TOOLS_DIR=${PROJECT_SOURCE_DIR}/tools
    QM_SCREENSHOT_DIR=${CMAKE_BINARY_DIR}/screenshots
    PARENT_SCOPE)
endfunction()

function(qm_wine_fixture name script)
  cmake_parse_arguments(PARSE_ARGV 2 F "" "TIMEOUT" "PROPERTIES")
  qm_wine_environment(environment)
  add_test(NAME ${name} COMMAND bash ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/${script})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "${environment}"
    RESOURCE_LOCK qm_wine
    TIMEOUT ${F_TIMEOUT}
    LABELS wine
    ${F_PROPERTIES})
endfunction()

# The display comes first: wineboot and every Wine process want an X server.
qm_wine_fixture(wine.setup.display xvfb-start.sh TIMEOUT 30
  PROPERTIES FIXTURES_SETUP qm_wine_display)
qm_wine_fixture(wine.setup.prefix prefix-create.sh TIMEOUT 300
  PROPERTIES FIXTURES_SETUP qm_wine_prefix FIXTURES_REQUIRED qm_wine_display)
qm_wine_fixture(wine.cleanup.wineserver wineserver-stop.sh TIMEOUT 30
  PROPERTIES FIXTURES_CLEANUP qm_wine_prefix FIXTURES_REQUIRED qm_wine_display)
qm_wine_fixture(wine.cleanup.display xvfb-stop.sh TIMEOUT 30
  PROPERTIES FIXTURES_CLEANUP qm_wine_display)

function(qm_wine_test)
  cmake_parse_arguments(PARSE_ARGV 0 QWT "" "NAME;COMMAND;SCRIPT;WINVER;TIMEOUT" "ARGS")
  if(QWT_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "qm_wine_test: unexpected arguments: ${QWT_UNPARSED_ARGUMENTS}")
  endif()
  if(NOT QWT_NAME)
    message(FATAL_ERROR "qm_wine_test: NAME is required")
  endif()
  if((QWT_COMMAND AND QWT_SCRIPT) OR (NOT QWT_COMMAND AND NOT QWT_SCRIPT))
    message(FATAL_ERROR "qm_wine_test(${QWT_NAME}): give exactly one of COMMAND and SCRIPT")
  endif()
  if(NOT QWT_WINVER)
    set(QWT_WINVER win7)
  endif()
  # What Wine accepts as a version name; Wine ignores a misspelt one, and the
  # test would quietly run as win7.
  set(versions win11 win10 win81 win8 win2008r2 win7 win2008 vista win2003
               winxp64 winxp win2k nt40 nt351 winme win98 win95 win31 win30 win20)
  if(NOT QWT_WINVER IN_LIST versions)
    message(FATAL_ERROR "qm_wine_test(${QWT_NAME}): unknown WINVER ${QWT_WINVER}; one of: ${versions}")
  endif()
  if(NOT QWT_TIMEOUT)
    set(QWT_TIMEOUT 120)
  endif()
  if(NOT QWT_TIMEOUT MATCHES "^[1-9][0-9]*$")
    message(FATAL_ERROR "qm_wine_test(${QWT_NAME}): TIMEOUT must be a whole number of seconds")
  endif()

  if(QWT_COMMAND)
    set(what --exe $<TARGET_FILE:${QWT_COMMAND}>)
  else()
    cmake_path(ABSOLUTE_PATH QWT_SCRIPT BASE_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR})
    if(NOT EXISTS ${QWT_SCRIPT})
      message(FATAL_ERROR "qm_wine_test(${QWT_NAME}): no script ${QWT_SCRIPT}")
    endif()
    set(what --script ${QWT_SCRIPT})
  endif()

  # The runner stops the test before ctest would (by a tenth, at least 5 s),
  # so that it can still end the Wine processes the test left running.
  math(EXPR margin "${QWT_TIMEOUT} / 10")
  if(margin LESS 5)
    set(margin 5)
  endif()
  math(EXPR inner_limit "${QWT_TIMEOUT} - ${margin}")
  if(inner_limit LESS 1)
    set(inner_limit 1)
  endif()

  set(test wine.${QWT_NAME})
  qm_wine_environment(environment)
  add_test(NAME ${test}
    COMMAND bash ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/run-test.sh
      --winver ${QWT_WINVER} --timeout ${inner_limit} ${what} -- ${QWT_ARGS}
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  set_tests_properties(${test} PROPERTIES
    ENVIRONMENT "${environment}"
    FIXTURES_REQUIRED "qm_wine_display;qm_wine_prefix"
    RESOURCE_LOCK qm_wine
    TIMEOUT ${QWT_TIMEOUT}
    SKIP_RETURN_CODE 77
    LABELS wine)
endfunction()
