# SPDX-License-Identifier: GPL-3.0-or-later
# The deed as a polygon: a 1000-vertex traverse with its closure and areas, and its drawing.
ceravel_bench(bench_poligono ${CMAKE_CURRENT_LIST_DIR}/bench_poligono.cpp)
