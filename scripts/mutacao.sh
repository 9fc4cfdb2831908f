# SPDX-License-Identifier: GPL-3.0-or-later
# Mutation run: applies each mutant of a list (scripts/mutantes.txt) alone,
# rebuilds only the test programs that link the mutated file, runs them, and
# records whether the mutant was killed and by which test programs and tests.
# The source file is always restored (copy and trap), even on failure or Ctrl-C.
#
#   bash scripts/mutacao.sh [-b BUILD] [-l LIST] [-o TABLE] [ID ...]
#
# BUILD is a configured build tree (default build/, RelWithDebInfo + ccache as in
# the README), LIST the mutant list, TABLE the result (default BUILD/mutacao.tsv:
# id, file, outcome, killing programs, failed tests). IDs choose mutants (all by
# default). The test programs run directly, as CTest runs them (the same
# environment and working folder), two at a time. The
# install and package tests are left out (they test the layout, not the code).
set -u

raiz=$(cd "$(dirname "$0")/.." && pwd)
build=$raiz/build
lista=$raiz/scripts/mutantes.txt
tabela=
while getopts "b:l:o:" opcao; do
  case $opcao in
    b) build=$(cd "$OPTARG" && pwd) ;;
    l) lista=$OPTARG ;;
    o) tabela=$OPTARG ;;
    *) exit 2 ;;
  esac
done
shift $((OPTIND - 1))
tabela=${tabela:-$build/mutacao.tsv}
escolhidos=" $* "

bindir=$(sed -n 's/^CERAVEL_BIN_DIR:[A-Z]*=//p' "$build/CMakeCache.txt")
bindir=${bindir:-$build/bin}
todos=(test_model test_calc test_present test_export test_geo test_memorial test_poligono test_lote test_fuzz test_tools test_ui test_impressao)
trabalho=$(mktemp -d)
copia=
arquivo=

restaura() {
  if [[ -n $copia && -f $copia ]]; then
    cp -p "$copia" "$raiz/$arquivo" && touch "$raiz/$arquivo"
    rm -f "$copia"
    copia=
  fi
}
trap 'restaura; rm -rf "$trabalho"' EXIT
trap 'restaura; exit 130' INT TERM

# The test programs whose executable holds a global function of the file's
# object; a program's own main (ceravel-lote) is tested through test_lote.
alvos_do_arquivo() {
  local objeto alvo achados=()
  objeto=$(find "$build" -path "*.dir/$1.o" | head -n 1)
  if [[ $objeto == */ceravel-lote.dir/* ]]; then
    echo test_lote
    return
  fi
  : > "$trabalho/simbolos"
  [[ -n $objeto ]] && nm --defined-only -g "$objeto" | awk '$2 == "T" && $3 != "main" {print $3}' > "$trabalho/simbolos"
  for alvo in "${todos[@]}"; do
    [[ -x $bindir/$alvo ]] || continue
    if [[ ! -s $trabalho/simbolos ]] \
       || nm --defined-only "$bindir/$alvo" | awk '{print $3}' | grep -qxFf "$trabalho/simbolos"; then
      achados+=("$alvo")
    fi
  done
  echo "${achados[@]}"
}

# The list's mutants as "id<TAB>file" lines; `aplica ID` applies one in place
# and fails unless its original text occurs exactly once in the file.
mutantes() {
  python3 - "$lista" <<'PY'
import sys
for linha in open(sys.argv[1], encoding='utf-8'):
    if linha.strip() and not linha.startswith('#'):
        campos = linha.rstrip('\n').split(' @@ ')
        print(campos[0].strip() + '\t' + campos[1].strip())
PY
}
aplica() {
  python3 - "$lista" "$1" "$raiz" <<'PY'
import sys
lista, escolhido, raiz = sys.argv[1:]
for linha in open(lista, encoding='utf-8'):
    campos = linha.rstrip('\n').split(' @@ ')
    if linha.startswith('#') or len(campos) != 4 or campos[0].strip() != escolhido:
        continue
    caminho = raiz + '/' + campos[1].strip()
    original, troca = (c.replace('<NL>', '\n') for c in campos[2:])
    texto = open(caminho, encoding='utf-8').read()
    n = texto.count(original)
    if n != 1:
        sys.exit(f'{caminho}: the original of {escolhido} occurs {n} times')
    open(caminho, 'w', encoding='utf-8').write(texto.replace(original, troca))
    sys.exit(0)
sys.exit(f'{escolhido}: not in the list')
PY
}

roda() {  # program -> its failed tests in $trabalho/falhas.<program>, "TEMPO" on a timeout
  local saida=$trabalho/saida.$1
  (cd "$bindir" && QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 timeout 600 "./$1" --gtest_brief=1 > "$saida" 2>&1)
  local estado=$?
  sed -n 's/^\[  FAILED  \] \([A-Za-z_][^ ,]*\).*/\1/p' "$saida" | sort -u > "$trabalho/falhas.$1"
  if [[ $estado -ne 0 && ! -s $trabalho/falhas.$1 ]]; then
    echo "SAIDA$estado" > "$trabalho/falhas.$1"  # a crash or a timeout (124) kills too
  fi
}
export -f roda
export trabalho bindir

printf 'id\tarquivo\tdesfecho\tmorto_por\ttestes\n' > "$tabela"
alterados=()
while IFS=$'\t' read -r id arquivo; do
  [[ $escolhidos == "  " || $escolhidos == *" $id "* ]] || continue
  alvos=$(alvos_do_arquivo "$arquivo")
  copia=$trabalho/original
  cp -p "$raiz/$arquivo" "$copia"
  if ! aplica "$id"; then
    restaura
    printf '%s\t%s\tlista-errada\t\t\n' "$id" "$arquivo" | tee -a "$tabela"
    continue
  fi
  alterados+=($alvos)
  if ! cmake --build "$build" -j2 --target $alvos > "$trabalho/compila" 2>&1; then
    restaura
    printf '%s\t%s\tnao-compila\t\t\n' "$id" "$arquivo" | tee -a "$tabela"
    continue
  fi
  restaura
  rm -f "$trabalho"/falhas.*
  printf '%s\n' $alvos | xargs -P 2 -I{} bash -c 'roda {}'
  mortos=() testes=()
  for alvo in $alvos; do
    if [[ -s $trabalho/falhas.$alvo ]]; then
      mortos+=("$alvo")
      testes+=($(cat "$trabalho/falhas.$alvo"))
    fi
  done
  desfecho=$([[ ${#mortos[@]} -gt 0 ]] && echo morto || echo sobreviveu)
  printf '%s\t%s\t%s\t%s\t%s\n' "$id" "$arquivo" "$desfecho" "${mortos[*]}" "${testes[*]}" | tee -a "$tabela"
done < <(mutantes)

# The restored sources built again, so the tree holds no mutant.
if [[ ${#alterados[@]} -gt 0 ]]; then
  cmake --build "$build" -j2 --target $(printf '%s\n' "${alterados[@]}" | sort -u) > "$trabalho/compila" 2>&1 \
    || echo "rebuilding the restored tree failed: see cmake --build $build" >&2
fi
awk -F'\t' 'NR > 1 {n[$3]++} END {for (d in n) printf "%s: %d\n", d, n[d]}' "$tabela"
