# SPDX-License-Identifier: GPL-3.0-or-later
# The field map window: one element's map built and drawn, and the hover readout.
ceravel_bench(bench_mapa ${CMAKE_CURRENT_LIST_DIR}/bench_mapa.cpp)
target_link_libraries(bench_mapa PRIVATE ceravel_ui)
