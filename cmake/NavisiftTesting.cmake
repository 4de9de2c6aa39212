# Helpers shared by every test folder.
find_package(GTest REQUIRED)
include(GoogleTest)

# navisift_add_gtest(NAME name SOURCES a.cpp b.cpp LIBRARIES lib... [LABELS label...])
# Builds one GoogleTest executable and registers each of its tests with CTest.
function(navisift_add_gtest)
    cmake_parse_arguments(ARG "" "NAME" "SOURCES;LIBRARIES;LABELS" ${ARGN})
    add_executable(${ARG_NAME} ${ARG_SOURCES})
    target_link_libraries(${ARG_NAME} PRIVATE ${ARG_LIBRARIES} GTest::gtest GTest::gtest_main)
    target_compile_definitions(${ARG_NAME} PRIVATE
        NAVISIFT_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
        NAVISIFT_BINARY_DIR="${PROJECT_BINARY_DIR}")
    set(labels unit ${ARG_LABELS})
    # Every parameterised test names its cases (tests/support/test_names.h); the
    # values themselves would only clutter the names ctest shows.
    gtest_discover_tests(${ARG_NAME}
        DISCOVERY_MODE PRE_TEST
        NO_PRETTY_VALUES
        PROPERTIES LABELS "${labels}")
endfunction()
