ceravel_bench(bench_present ${CMAKE_CURRENT_LIST_DIR}/bench_present.cpp)
