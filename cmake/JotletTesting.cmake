# SPDX-FileCopyrightText: 2026 Quorvel
# SPDX-License-Identifier: GPL-3.0-or-later
# jotlet_add_test(<name> SOURCES <files...> [LIBS <targets...>] [X11] [WAYLAND])
#
# Builds one test executable and registers it with CTest. Every test runs through
# tests/testenv.sh, which gives it its own temporary JOTLET_HOME, XDG_CONFIG_HOME, XDG_DATA_HOME
# and XDG_RUNTIME_DIR, so no test touches a user's notes or settings, and tests can run in any
# order. Tests run on the offscreen platform; X11 tests run on the X server named by
# JOTLET_X11_DISPLAY and WAYLAND tests natively on the compositor named by JOTLET_WAYLAND_DISPLAY (both started by
# scripts/test.sh); they are skipped when there is none.
function(jotlet_add_test name)
    cmake_parse_arguments(ARG "X11;WAYLAND" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBS})
    target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests/common)
    target_compile_definitions(${name} PRIVATE JOTLET_CORPUS_DIR="${JOTLET_CORPUS_DIR}"
                                               JOTLET_TEST_DATA_DIR="${CMAKE_SOURCE_DIR}/tests/data"
                                               JOTLET_SCREENSHOT_DIR="${CMAKE_BINARY_DIR}/screenshots")
    if(ARG_X11)
        set(platform x11)
    elseif(ARG_WAYLAND)
        set(platform wayland)
    else()
        set(platform offscreen)
    endif()
    add_test(NAME ${name} COMMAND bash ${CMAKE_SOURCE_DIR}/tests/testenv.sh ${platform} $<TARGET_FILE:${name}>)
    set_tests_properties(${name} PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 300
                                            ENVIRONMENT JOTLET_MODULE_DIR=${CMAKE_BINARY_DIR}/modules)
    if(ARG_X11)
        set_tests_properties(${name} PROPERTIES LABELS x11 RESOURCE_LOCK x11display)
    elseif(ARG_WAYLAND)
        set_tests_properties(${name} PROPERTIES LABELS wayland RESOURCE_LOCK waylanddisplay)
    else()
        set_tests_properties(${name} PROPERTIES LABELS offscreen)
    endif()
endfunction()
