#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# cmake --install into a temporary prefix, then the installed programs run
# through their bin/ links from another folder: they must find their data and
# give the build tree's results. The menu entry and the AppStream file must
# pass their validators. Arguments: build folder, version, data file names.
set -euo pipefail
build=$1 versao=$2
shift 2
dados=("$@")

falha() { echo "FALHA: $*" >&2; exit 1; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
prefixo=$tmp/usr
cmake --install "$build" --prefix "$prefixo" >"$tmp/install.log" || { cat "$tmp/install.log"; falha "cmake --install"; }

# Exactly these files: nothing of the tests, the benchmarks or ceravel-ajuste.
id=br.ceravel.Ceravel
esperados=(bin/ceravel bin/ceravel-lote bin/ceravel-memorial lib/ceravel/ceravel lib/ceravel/ceravel-lote
  lib/ceravel/ceravel-memorial share/man/man1/ceravel-memorial.1.gz
  share/applications/$id.desktop share/metainfo/$id.metainfo.xml
  share/icons/hicolor/scalable/apps/ceravel.svg share/icons/hicolor/48x48/apps/ceravel.png
  share/icons/hicolor/128x128/apps/ceravel.png share/icons/hicolor/256x256/apps/ceravel.png
  share/man/man1/ceravel.1.gz share/man/man1/ceravel-lote.1.gz
  share/doc/ceravel/copyright share/doc/ceravel/changelog.gz)
for d in "${dados[@]}"; do esperados+=("lib/ceravel/$d"); done
diff <(printf '%s\n' "${esperados[@]}" | sort) <(cd "$prefixo" && find . ! -type d | sed 's|^\./||' | sort) ||
  falha "the installed files differ from the expected ones (< expected, > installed)"

for programa in ceravel ceravel-lote ceravel-memorial; do
  [ -L "$prefixo/bin/$programa" ] && [ "$(readlink "$prefixo/bin/$programa")" = "../lib/ceravel/$programa" ] ||
    falha "bin/$programa is not the relative link ../lib/ceravel/$programa"
  [ -x "$prefixo/lib/ceravel/$programa" ] || falha "lib/ceravel/$programa is not executable"
done
for tamanho in 48 128 256; do
  file -b "$prefixo/share/icons/hicolor/${tamanho}x$tamanho/apps/ceravel.png" | grep -q "$tamanho x $tamanho" ||
    falha "the ${tamanho}px icon is not $tamanho x $tamanho"
done

# From a folder without data: a program that looked in its link's folder or
# in the current one would not find the coefficient files.
cd "$tmp"
printf 'latitude;longitude;data\n-23,5;-46,625;15/06/2000\n-15 47 30;-47 52 30;01/01/1998\n5;-60;31/12/2004\n' >pontos.txt
for modelo in regional igrf14; do
  "$prefixo/bin/ceravel-lote" --locale pt_BR --modelo "$modelo" -q pontos.txt -o instalado.csv ||
    falha "installed ceravel-lote --modelo $modelo ended with $?"
  "$build/bin/ceravel-lote" --locale pt_BR --modelo "$modelo" -q pontos.txt -o construido.csv
  cmp instalado.csv construido.csv || falha "installed and built ceravel-lote --modelo $modelo differ"
  [ "$(wc -l <instalado.csv)" -eq 4 ] || falha "ceravel-lote --modelo $modelo: not one row per point"
done

# The calculator, started offscreen, types a point, presses Calcular and
# writes what its window shows.
"$prefixo/bin/ceravel" --verifica-instalacao >instalado.txt 2>erros.txt ||
  { cat erros.txt; falha "installed ceravel did not calculate"; }
"$build/bin/ceravel" --verifica-instalacao >construido.txt 2>/dev/null
cmp instalado.txt construido.txt || falha "installed and built ceravel show different results"
grep -q "^Época 2000" instalado.txt || falha "unexpected calculation: $(cat instalado.txt)"

# Every option that ceravel-lote --ajuda and ceravel-memorial --ajuda list is in their manual pages.
for programa in ceravel-lote ceravel-memorial; do
  manual=$(zcat "$prefixo/share/man/man1/$programa.1.gz" | sed 's/\\-/-/g')
  for opcao in $("$prefixo/bin/$programa" --ajuda | grep -oE '^ +(-[a-z], )?--[a-z0-9]+' | grep -oE -- '--[a-z0-9]+'); do
    grep -q -- "$opcao" <<<"$manual" || falha "$programa(1) lacks $opcao"
  done
done

# The newest release in the AppStream file is this version.
grep -o '<release version="[^"]*"' "$prefixo/share/metainfo/$id.metainfo.xml" | head -1 |
  grep -qx "<release version=\"$versao\"" || falha "the newest AppStream release is not $versao"

faltam=()
for ferramenta in desktop-file-validate appstreamcli; do
  command -v "$ferramenta" >/dev/null || faltam+=("$ferramenta")
done
if [ ${#faltam[@]} -gt 0 ]; then
  echo "SKIP: ${faltam[*]} not installed (scripts/install-deps.sh installs desktop-file-utils and appstream)"
  exit 77
fi
desktop-file-validate "$prefixo/share/applications/$id.desktop" || falha "desktop-file-validate"
appstreamcli validate --no-net "$prefixo/share/metainfo/$id.metainfo.xml" || falha "appstreamcli validate"
echo "installed into $prefixo: the files, the links, ceravel-lote (both models), ceravel and the validators agree"
