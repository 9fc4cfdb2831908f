# SPDX-License-Identifier: GPL-3.0-or-later
# The windows: start-up to Main shown, and one press of "Calcular" end to end.
ceravel_bench(bench_ui ${CMAKE_CURRENT_LIST_DIR}/bench_ui.cpp)
target_link_libraries(bench_ui PRIVATE ceravel_ui)
