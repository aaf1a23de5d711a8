include_guard(GLOBAL)
include(GoogleTest)

# vspace_add_test(<name> SOURCES <files...> [LIBRARIES <targets...>] [GTEST] [GUI]
#                 [ENVIRONMENT <VAR=value...>])
#
# Builds a test executable and registers it with CTest. GTEST tests are registered case by case
# through gtest_discover_tests; the others (Qt Test) as one test. GUI tests run on Qt's
# offscreen platform.
function(vspace_add_test name)
    cmake_parse_arguments(ARG "GTEST;GUI" "" "SOURCES;LIBRARIES;ENVIRONMENT" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES})
    if(NOT ARG_GUI)
        set_target_properties(${name} PROPERTIES AUTOMOC OFF)
    endif()
    set(environment ${ARG_ENVIRONMENT})
    if(ARG_GUI)
        list(APPEND environment QT_QPA_PLATFORM=offscreen)
    endif()
    if(ARG_GTEST)
        target_link_libraries(${name} PRIVATE GTest::gtest GTest::gtest_main)
        gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES PROPERTIES ENVIRONMENT "${environment}")
    else()
        add_test(NAME ${name} COMMAND ${name})
        if(environment)
            set_tests_properties(${name} PROPERTIES ENVIRONMENT "${environment}")
        endif()
    endif()
endfunction()
