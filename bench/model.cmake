ceravel_bench(bench_model bench_model.cpp)
