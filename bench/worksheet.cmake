# SPDX-License-Identifier: GPL-3.0-or-later
list(APPEND KEL_BENCH_SOURCES ${CMAKE_CURRENT_LIST_DIR}/worksheet_bench.cpp)
list(APPEND KEL_BENCH_LIBS kel_lab kel_worksheet)
