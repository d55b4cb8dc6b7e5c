# SPDX-License-Identifier: GPL-3.0-or-later
list(APPEND KEL_BENCH_SOURCES ${CMAKE_CURRENT_LIST_DIR}/recording_bench.cpp
    ${CMAKE_CURRENT_LIST_DIR}/fit_bench.cpp ${CMAKE_CURRENT_LIST_DIR}/measurement_window_bench.cpp)
list(APPEND KEL_BENCH_LIBS kel_measurement_core kel_measurement)
list(APPEND KEL_BENCH_SOURCES ${CMAKE_CURRENT_LIST_DIR}/experiment_file_bench.cpp)
list(APPEND KEL_BENCH_LIBS kel_shell)
