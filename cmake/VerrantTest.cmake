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

# verrant_add_journey(<program> SOURCES ... LIBS ... ENV ...)
# A user's way through one program, driven through its menus and dialogs in the test's
# process: one GoogleTest executable, registered as the single CTest test journey.<program>
# (its steps depend on each other, so they are not split into cases). A tool it needs that is
# missing fails it: scripts/install-deps.sh installs every one.
function(verrant_add_journey program)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;ENV" ${ARGN})
  set(target journey_${program})
  add_executable(${target} ${ARG_SOURCES})
  target_link_libraries(${target} PRIVATE ${ARG_LIBS} verrant_testsupport_ui GTest::gtest GTest::gtest_main
                        verrant_warnings)
  target_compile_definitions(${target} PRIVATE
    VERRANT_TEST_DATA_DIR="${CMAKE_CURRENT_SOURCE_DIR}/data"
    VERRANT_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  add_test(NAME journey.${program} COMMAND ${target})
  set_tests_properties(journey.${program} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;${ARG_ENV}"
    TIMEOUT 300
    LABELS journey)
endfunction()
