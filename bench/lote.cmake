# SPDX-License-Identifier: GPL-3.0-or-later
# The batch program: a million points through reading, checks, model and
# output, and the core readings and texts it spends its time in.
ceravel_bench(bench_lote ${CMAKE_CURRENT_LIST_DIR}/bench_lote.cpp)
target_link_libraries(bench_lote PRIVATE ceravel_lote)
