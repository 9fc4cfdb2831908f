#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# cpack -G DEB builds the package from the build folder; its control fields
# come out right, its programs run from the unpacked tree, and lintian finds
# no error. Skipped only where the tools are missing. Arguments: build
# folder, version.
set -euo pipefail
build=$1 versao=$2

falha() { echo "FALHA: $*" >&2; exit 1; }
faltam=()
for ferramenta in cpack dpkg-deb dpkg-shlibdeps file lintian; do
  command -v "$ferramenta" >/dev/null || faltam+=("$ferramenta")
done
if [ ${#faltam[@]} -gt 0 ]; then
  echo "SKIP: ${faltam[*]} not installed (scripts/install-deps.sh installs dpkg-dev, file and lintian)"
  exit 77
fi

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
inicio=$SECONDS
(cd "$build" && cpack -G DEB -B "$tmp" >"$tmp/cpack.log" 2>&1) || { cat "$tmp/cpack.log"; falha "cpack -G DEB"; }
deb=$tmp/ceravel_${versao}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || { ls "$tmp"; falha "no $deb"; }
echo "cpack: $((SECONDS - inicio)) s"

campo() { dpkg-deb -f "$deb" "$1"; }
[ "$(campo Section)" = science ] || falha "Section is $(campo Section)"
depende=$(campo Depends)
echo "Depends: $depende"
# From dpkg-shlibdeps: the C library, Qt's and fmt's, with versions.
for biblioteca in libc6 libqt6core6 libqt6widgets6 libfmt9 qt6-qpa-plugins; do
  grep -q "\b$biblioteca\b" <<<"$depende" || falha "Depends lacks $biblioteca"
done

# The unpacked tree works through its links.
dpkg-deb -x "$deb" "$tmp/raiz"
printf -- '-23,5;-46,625;15/06/2000\n' >"$tmp/ponto.txt"
"$tmp/raiz/usr/bin/ceravel-lote" --locale pt_BR -q "$tmp/ponto.txt" -o "$tmp/ponto.csv" ||
  falha "the packaged ceravel-lote ended with $?"
dpkg-deb -c "$deb" >"$tmp/conteudo.txt"
grep -q '^lrwxrwxrwx root/root .* ./usr/bin/ceravel -> ../lib/ceravel/ceravel$' "$tmp/conteudo.txt" ||
  falha "usr/bin/ceravel is not a root-owned link into usr/lib/ceravel"

inicio=$SECONDS
lintian --fail-on error "$deb" | tee "$tmp/lintian.txt" || falha "lintian found errors"
echo "lintian: $((SECONDS - inicio)) s"
echo "package $(basename "$deb"), $(stat -c %s "$deb") bytes; lintian: $(grep -c . "$tmp/lintian.txt" || true) tag lines, no error"
