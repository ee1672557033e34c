# GoogleTest, and one way to register a test executable with CTest.
#
# Natively the system's GoogleTest package is used. For Windows targets it is built
# from source: Debian's /usr/src/googletest when cross-building, or a copy fetched
# by CMake on a Windows machine that has none.
include(GoogleTest)

set(LUMIVANE_GTEST_SOURCE_DIR "/usr/src/googletest" CACHE PATH "GoogleTest sources for Windows targets")
if(NOT CMAKE_CROSSCOMPILING)
    find_package(GTest QUIET)
endif()
if(NOT TARGET GTest::gtest_main)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
    if(EXISTS "${LUMIVANE_GTEST_SOURCE_DIR}/CMakeLists.txt")
        add_subdirectory(${LUMIVANE_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    else()
        include(FetchContent)
        FetchContent_Declare(googletest
            URL https://github.com/google/googletest/archive/refs/tags/release-1.12.1.tar.gz)
        FetchContent_MakeAvailable(googletest)
    endif()
    if(NOT TARGET GTest::gtest_main)
        add_library(GTest::gtest ALIAS gtest)
        add_library(GTest::gtest_main ALIAS gtest_main)
    endif()
endif()

# lumivane_add_gtest(<target> PREFIX <name.> [WINDOW_SYSTEM])
#
# Natively every TEST is discovered from the built executable. A Windows test
# executable runs under Wine, which must not start at build time, so its tests are
# read from the sources instead; they share the Wine session that the wine.start
# fixture opens. WINDOW_SYSTEM marks tests that look windows up across processes:
# they run one at a time.
function(lumivane_add_gtest target)
    cmake_parse_arguments(ARG "WINDOW_SYSTEM" "PREFIX" "" ${ARGN})
    if(CMAKE_CROSSCOMPILING)
        get_target_property(sources ${target} SOURCES)
        get_target_property(source_dir ${target} SOURCE_DIR)
        set(absolute)
        foreach(source IN LISTS sources)
            get_filename_component(path "${source}" ABSOLUTE BASE_DIR "${source_dir}")
            list(APPEND absolute "${path}")
        endforeach()
        gtest_add_tests(TARGET ${target} SOURCES ${absolute} TEST_PREFIX "${ARG_PREFIX}"
                        TEST_LIST added)
        # A skipped test shows as one, as gtest_discover_tests marks it natively.
        set_tests_properties(${added} PROPERTIES FIXTURES_REQUIRED wine TIMEOUT 120
                                                 SKIP_REGULAR_EXPRESSION "\\[  SKIPPED \\]")
        if(ARG_WINDOW_SYSTEM)
            set_tests_properties(${added} PROPERTIES RESOURCE_LOCK desktop)
        endif()
    else()
        gtest_discover_tests(${target} TEST_PREFIX "${ARG_PREFIX}" DISCOVERY_TIMEOUT 30)
    endif()
endfunction()
