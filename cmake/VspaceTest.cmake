include_guard(GLOBAL)
include(GoogleTest)

# Labels: unit (the fast set, no display: the engine, the replay driver, the report, and the
# built programs' quick runs), gui (the window on Qt's offscreen platform), e2e (the built
# programs), package (the Debian package), web (vspace-replay for node against the native one),
# browser (pages in Chromium). `ctest -L unit` runs the fast set.

# vspace_add_test(<name> LABELS <labels...> SOURCES <files...> [LIBRARIES <targets...>] [GTEST])
#
# Builds a test executable and registers it with CTest. GTEST tests are registered case by case
# through gtest_discover_tests; the others (Qt Test) as one test. Tests labelled gui run on Qt's
# offscreen platform.
function(vspace_add_test name)
    cmake_parse_arguments(ARG "GTEST" "" "SOURCES;LIBRARIES;LABELS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES})
    set(properties LABELS "${ARG_LABELS}")
    if("gui" IN_LIST ARG_LABELS)
        set_target_properties(${name} PROPERTIES AUTOMOC ON)
        list(APPEND properties ENVIRONMENT QT_QPA_PLATFORM=offscreen)
    endif()
    if(ARG_GTEST)
        target_link_libraries(${name} PRIVATE GTest::gtest GTest::gtest_main)
        gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES PROPERTIES ${properties})
    else()
        add_test(NAME ${name} COMMAND ${name})
        set_tests_properties(${name} PROPERTIES ${properties})
    endif()
endfunction()

# vspace_add_program_test(<name> LABELS <labels...> NEEDS <programs...> COMMAND <command...>)
#
# A test that runs outside programs. Where one of NEEDS is not installed the test is skipped,
# saying which program it lacks; the project's test command counts a skip as a failure.
function(vspace_add_program_test name)
    cmake_parse_arguments(ARG "" "" "LABELS;NEEDS;COMMAND" ${ARGN})
    set(missing)
    foreach(program ${ARG_NEEDS})
        string(MAKE_C_IDENTIFIER "VSPACE_PROGRAM_${program}" variable)
        find_program(${variable} ${program})
        if(NOT ${variable})
            list(APPEND missing ${program})
        endif()
    endforeach()
    if(missing)
        add_test(NAME ${name} COMMAND ${CMAKE_COMMAND} -E echo "skipped: needs ${missing}")
        set_tests_properties(${name} PROPERTIES LABELS "${ARG_LABELS}"
                             SKIP_REGULAR_EXPRESSION "skipped: needs")
    else()
        add_test(NAME ${name} COMMAND ${ARG_COMMAND})
        set_tests_properties(${name} PROPERTIES LABELS "${ARG_LABELS}")
    endif()
endfunction()
