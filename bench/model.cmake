# SPDX-License-Identifier: GPL-3.0-or-later
ceravel_bench(bench_model bench_model.cpp)
