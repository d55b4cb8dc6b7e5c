# SPDX-License-Identifier: GPL-3.0-or-later
list(APPEND KEL_BENCH_SOURCES ${CMAKE_CURRENT_LIST_DIR}/resonance_bench.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frequencyresponse_bench.cpp)
list(APPEND KEL_BENCH_LIBS kel_resonance kel_lab_core)
