# SPDX-License-Identifier: GPL-3.0-or-later
# The deed window: a 1000-segment memorial converted and shown.
ceravel_bench(bench_memorial ${CMAKE_CURRENT_LIST_DIR}/bench_memorial.cpp)
target_link_libraries(bench_memorial PRIVATE ceravel_ui)
