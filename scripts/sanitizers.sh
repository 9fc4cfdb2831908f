#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# CI's second pass, after the normal one: the whole test suite again in a build
# with AddressSanitizer and UndefinedBehaviorSanitizer (build-san, benchmarks
# off), then every fuzz target under the same sanitizers for a bounded time
# (build-fuzz, clang's libFuzzer). Any sanitizer report or broken invariant
# fails the run.
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)
san=${CERAVEL_BUILD_SAN:-$raiz/build-san}
fuzz=${CERAVEL_BUILD_FUZZ:-$raiz/build-fuzz}
segundos=${CERAVEL_FUZZ_SEGUNDOS:-20}   # per target
nucleos=$(nproc)

# Leaks of Qt's own globals are suppressed only through the file, each entry
# with its reason; everything else reports, and every report ends the process.
export ASAN_OPTIONS="abort_on_error=1:detect_leaks=1:check_initialization_order=1:strict_init_order=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$raiz/tests/sanitizers/lsan.supp:print_suppressions=0"

# -O1 -g1: a third of the compile time of -O2 -g, with whole stacks in the reports.
cmake -S "$raiz" -B "$san" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" \
  -DCERAVEL_SANITIZE=ON -DCERAVEL_BENCH=OFF >/dev/null
cmake --build "$san" -j"$nucleos"
(cd "$san" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$nucleos" --timeout 600)

alvos=(numeros coeficientes lote windows1252 calculo igrf conversao rumo arquivomemorial)
CC=clang CXX=clang++ cmake -S "$raiz" -B "$fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" -DCERAVEL_SANITIZE=ON -DCERAVEL_FUZZ=ON \
  -DCERAVEL_BENCH=OFF -DCERAVEL_TOOLS=OFF >/dev/null
cmake --build "$fuzz" -j"$nucleos" --target "${alvos[@]/#/fuzz_}"

# Each target starts from its seeds and kept failures (tests/fuzz/corpus/<alvo>,
# never written to) and grows a working corpus of its own in the build folder.
roda_alvo() {
  local alvo=$1
  mkdir -p "$fuzz/corpus-trabalho/$alvo" "$fuzz/falhas"
  if "$fuzz/bin/fuzz_$alvo" -max_total_time="$segundos" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$fuzz/falhas/$alvo-" "$fuzz/corpus-trabalho/$alvo" "$raiz/tests/fuzz/corpus/$alvo" \
      >"$fuzz/falhas/$alvo.log" 2>&1; then
    echo "fuzz_$alvo: $(grep -o 'stat::number_of_executed_units: *[0-9]*' "$fuzz/falhas/$alvo.log" | grep -o '[0-9]*$') execuções em ${segundos} s"
  else
    echo "fuzz_$alvo: FALHOU" >&2
    grep -E -A12 'invariante violada|ERROR:|runtime error' "$fuzz/falhas/$alvo.log" | head -40 >&2
    echo "A entrada está em $fuzz/falhas/$alvo-*: guarde-a em tests/fuzz/corpus/$alvo/falha-<motivo>" \
         "(test_fuzz a repete em todo build) e corrija o defeito." >&2
    return 1
  fi
}
export -f roda_alvo
export fuzz raiz segundos
printf '%s\n' "${alvos[@]}" | xargs -P "$nucleos" -I{} bash -c 'roda_alvo {}'
