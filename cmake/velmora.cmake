# Build helpers shared by every target of the project.

# GMP's C++ rationals: inside src/exact/, and the exact oracle of the tests
# and fuzz targets; everyone links this one imported target.
find_package(PkgConfig REQUIRED)
pkg_check_modules(GMPXX REQUIRED IMPORTED_TARGET gmpxx gmp)

# Strict warnings for one of our own targets; errors with VELMORA_WERROR.
# Conversions that may change a value, shadowed names and C casts are
# flagged too, as the best-kept numeric libraries build their tests.
function(velmora_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic
        -Wconversion -Wsign-conversion -Wshadow -Wold-style-cast)
    if(VELMORA_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()

# A library of src/: sources, include root at src/, warnings.
function(velmora_add_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
    velmora_warnings(${name})
endfunction()

# Precompiled headers. The headers that nearly every test includes are
# compiled once for all the tests but the window's, which reuse the window's
# own Qt headers instead: Qt's and GoogleTest's in one header, with their
# debug information, would grow to a quarter of a gigabyte and cost more
# than they save. Sources still include what they use: the dev build, which
# compiles them without precompiled headers, sees to it.
set(velmora_test_headers <gtest/gtest.h> <random> <string> <vector>)
set(velmora_qt_headers <QApplication> <QLineEdit> <QPainter> <QString> <QWidget>)
function(velmora_test_headers target gui)
    if(gui)
        target_precompile_headers(${target} REUSE_FROM velmora_qtform)
        return()
    endif()
    get_property(owner GLOBAL PROPERTY velmora_test_headers_owner)
    if(owner)
        target_precompile_headers(${target} REUSE_FROM ${owner})
    else()
        target_precompile_headers(${target} PRIVATE ${velmora_test_headers})
        set_property(GLOBAL PROPERTY velmora_test_headers_owner ${target})
    endif()
endfunction()

# velmora_add_test(name SOURCES a.cpp ... LIBS lib ... [GUI] [EACH_CASE] [COST seconds])
# A GoogleTest executable linked against the libraries (never recompiling
# their sources); it runs as one ctest test, which starts one process for all
# its cases (a tenth of a second saved a case for the window's tests under
# ASan). With EACH_CASE, each test case becomes one ctest test instead, so
# that a parallel ctest spreads the long ones over the cores. GUI tests run
# on Qt's offscreen platform. A parallel ctest starts the costliest tests
# first (until it has measured them), so the long ones do not end the run
# alone.
function(velmora_add_test name)
    cmake_parse_arguments(ARG "GUI;EACH_CASE" "COST" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock)
    if(ARG_GUI)
        # The window's tests share one main(): a QApplication set up as the
        # program's own.
        target_link_libraries(${name} PRIVATE velmora_gui_test_main)
    else()
        target_link_libraries(${name} PRIVATE GTest::gtest_main)
    endif()
    velmora_warnings(${name})
    velmora_test_headers(${name} ${ARG_GUI})
    if(NOT ARG_COST)
        set(ARG_COST 0)
    endif()
    set(properties ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 120 COST ${ARG_COST})
    if(ARG_EACH_CASE)
        gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES ${properties})
    else()
        add_test(NAME ${name} COMMAND ${name})
        set_tests_properties(${name} PROPERTIES ${properties})
    endif()
endfunction()
