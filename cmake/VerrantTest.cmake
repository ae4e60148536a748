# verrant_add_test(<name> [UI] SOURCES ... LIBS ... ENV ...)
# One GoogleTest executable per test directory; each case becomes a CTest test. Every test
# executable links the test-support library (testsupport/); UI adds its window half (the one
# QApplication of the program).
function(verrant_add_test name)
  cmake_parse_arguments(ARG "UI" "" "SOURCES;LIBS;ENV" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  set(support verrant_testsupport)
  if(ARG_UI)
    set(support verrant_testsupport_ui)
  endif()
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} ${support} GTest::gtest GTest::gtest_main verrant_warnings)
  target_compile_definitions(${name} PRIVATE
    VERRANT_TEST_DATA_DIR="${CMAKE_CURRENT_SOURCE_DIR}/data"
    VERRANT_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  gtest_discover_tests(${name}
    DISCOVERY_TIMEOUT 60
    NO_PRETTY_VALUES
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;${ARG_ENV}")
endfunction()
