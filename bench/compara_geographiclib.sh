#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# ceravel-lote against GeographicLib's MagneticField (Debian package
# geographiclib-tools) with IGRF-14 on the same generated points, field and
# annual rates for each, both reading a file and writing one:
#   bash bench/compara_geographiclib.sh [PONTOS] [PASTA_BUILD]
# Prints points per second for each and the ratios.
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)
pontos=${1:-500000}
build=${2:-$raiz/build}
lote="$build/bin/ceravel-lote"
command -v MagneticField >/dev/null || { echo "MagneticField missing: apt-get install geographiclib-tools"; exit 1; }
[ -x "$lote" ] || { echo "build ceravel-lote first ($lote)"; exit 1; }

pasta=$(mktemp -d)
trap 'rm -rf "$pasta"' EXIT
python3 "$raiz/tools/igrf_geographiclib.py" "$raiz/data/igrf14coeffs.txt" "$pasta/modelo" igrf14 >/dev/null

# The same points for both: decimal degrees over the accepted box, dates in
# 1995-2005 (the regional model's period, which IGRF also covers).
python3 - "$pontos" "$pasta" <<'PY'
import random, sys
n, pasta = int(sys.argv[1]), sys.argv[2]
random.seed(2000)
with open(pasta + "/lote.txt", "w") as lote, open(pasta + "/geo.txt", "w") as geo:
    for _ in range(n):
        lat, lon = random.uniform(-35, 10), random.uniform(-75, -30)
        d, m, a = random.randint(1, 28), random.randint(1, 12), random.randint(1995, 2005)
        lote.write(f"{lat:.4f};{lon:.4f};{d}/{m}/{a}\n")
        geo.write(f"{a}-{m:02d}-{d:02d} {lat:.4f} {lon:.4f} 0\n")
PY

tempo() {  # seconds of wall time of a command
    local inicio fim
    inicio=$(date +%s.%N)
    "$@" >/dev/null
    fim=$(date +%s.%N)
    echo "$fim - $inicio" | bc -l
}

t_geo=$(tempo MagneticField -n igrf14 -d "$pasta/modelo" -r --input-file "$pasta/geo.txt" --output-file "$pasta/geo.out")
t_igrf=$(tempo "$lote" -q --modelo igrf14 "$pasta/lote.txt" -o "$pasta/igrf.csv")
t_reg=$(tempo "$lote" -q "$pasta/lote.txt" -o "$pasta/regional.csv")
t_igrf1=$(tempo "$lote" -q -j 1 --modelo igrf14 "$pasta/lote.txt" -o "$pasta/igrf1.csv")

taxa() { echo "$pontos / $1" | bc -l | xargs printf '%.0f'; }
printf '%-44s %12s pontos/s\n' "MagneticField (IGRF-14, com taxas)" "$(taxa "$t_geo")"
printf '%-44s %12s pontos/s\n' "ceravel-lote -j 1 --modelo igrf14" "$(taxa "$t_igrf1")"
printf '%-44s %12s pontos/s\n' "ceravel-lote --modelo igrf14 ($(nproc) núcleos)" "$(taxa "$t_igrf")"
printf '%-44s %12s pontos/s\n' "ceravel-lote regional ($(nproc) núcleos)" "$(taxa "$t_reg")"
printf 'razão igrf14/MagneticField: %.1f; regional/MagneticField: %.1f\n' \
    "$(echo "$t_geo / $t_igrf" | bc -l)" "$(echo "$t_geo / $t_reg" | bc -l)"
