# Test programs and their registration with CTest. On the win32 build every test runs under Wine
# (the crosscompiling emulator), in the build's prefix, which the fixture "wine" prepares.

set(QZ_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources (Debian's googletest package)")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
add_subdirectory(${QZ_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

set(QZ_BIN_DIR ${CMAKE_BINARY_DIR}/bin)
set(QZ_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
set(QZ_DISPLAY ":87" CACHE STRING "X display of the Xvfb server that the Wine tests use")

# qz_add_gtest(<name> <sources...>): a GoogleTest program in bin/, with the module's code and
# resources linked in.
function(qz_add_gtest name)
    add_executable(${name} ${ARGN})
    target_link_libraries(${name} PRIVATE qzmodule qzmodule_res GTest::gtest GTest::gmock GTest::gtest_main)
    target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
    # The host layer finds the program's resources through its exported symbols.
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${QZ_BIN_DIR} ENABLE_EXPORTS ON)
endfunction()

# qz_add_test(<name> COMMAND <program> [args...] [WINVER <version>] [ENVIRONMENT <var=value>...]
#             [HOST_ONLY] [WIN32_ONLY])
# WINVER is a Wine version name: under Wine the program runs with that emulated version, on the
# host the host layer answers it.
function(qz_add_test name)
    cmake_parse_arguments(T "HOST_ONLY;WIN32_ONLY" "WINVER" "COMMAND;ENVIRONMENT" ${ARGN})
    if((T_HOST_ONLY AND WIN32) OR (T_WIN32_ONLY AND NOT WIN32))
        return()
    endif()
    add_test(NAME ${name} COMMAND ${T_COMMAND} WORKING_DIRECTORY ${QZ_BIN_DIR})
    set(env ${T_ENVIRONMENT})
    if(T_WINVER)
        list(APPEND env QZ_WINVER=${T_WINVER})
    endif()
    if(WIN32)
        list(APPEND env WINEPREFIX=${QZ_WINEPREFIX} DISPLAY=${QZ_DISPLAY})
        set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine)
    else()
        list(APPEND env ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1)
    endif()
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}" TIMEOUT 300)
endfunction()

if(WIN32)
    add_test(NAME wine_prefix_start
        COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-prefix.sh start ${QZ_WINEPREFIX} ${QZ_DISPLAY})
    add_test(NAME wine_prefix_stop
        COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-prefix.sh stop ${QZ_WINEPREFIX} ${QZ_DISPLAY})
    set_tests_properties(wine_prefix_start PROPERTIES FIXTURES_SETUP wine TIMEOUT 300)
    set_tests_properties(wine_prefix_stop PROPERTIES FIXTURES_CLEANUP wine)
    # The fixture's own programs are not Windows programs.
    set_tests_properties(wine_prefix_start wine_prefix_stop PROPERTIES ENVIRONMENT "WINEPREFIX=${QZ_WINEPREFIX}")
endif()
