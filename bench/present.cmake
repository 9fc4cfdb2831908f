# SPDX-License-Identifier: GPL-3.0-or-later
ceravel_bench(bench_present ${CMAKE_CURRENT_LIST_DIR}/bench_present.cpp)
