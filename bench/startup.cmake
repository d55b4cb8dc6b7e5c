# SPDX-License-Identifier: GPL-3.0-or-later
add_executable(startup_probe ${CMAKE_CURRENT_LIST_DIR}/startup_probe.cpp)
target_link_libraries(startup_probe PRIVATE kel_shell)
list(APPEND KEL_BENCH_SOURCES ${CMAKE_CURRENT_LIST_DIR}/startup_bench.cpp)
