# SPDX-License-Identifier: GPL-3.0-or-later
# Print server for the printing integration test. Sourced by scripts/test.sh
# (needs root, and the packages cups and printer-driver-cups-pdf): starts cupsd
# if it is not running, makes a cups-pdf queue the default destination and
# exports where that queue writes its PDF files:
#   CERAVEL_CUPS_FILA     name of the cups-pdf queue that is the default
#   CERAVEL_CUPS_PDF_DIR  folder where cups-pdf puts the jobs of this user
# When any of this is not possible it says why and exports nothing, and the
# integration test skips; it never stops the test run. A default printer that
# is not a cups-pdf queue is left alone, so the test never prints on paper.

ceravel_inicia_cups() {
  local fila=Ceravel-PDF
  local ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd

  if [ "$(id -u)" -ne 0 ]; then
    echo "start-cups: not root; the printing integration test will be skipped"
    return 0
  fi
  if ! command -v cupsd >/dev/null || ! command -v lpadmin >/dev/null ||
     [ ! -x /usr/lib/cups/backend/cups-pdf ] || [ ! -f "$ppd" ]; then
    echo "start-cups: cups or printer-driver-cups-pdf missing; the printing integration test will be skipped"
    return 0
  fi

  if ! LC_ALL=C lpstat -r 2>/dev/null | grep -qx "scheduler is running"; then
    cupsd || { echo "start-cups: cupsd did not start"; return 0; }
    local i
    for i in $(seq 1 30); do
      LC_ALL=C lpstat -r 2>/dev/null | grep -qx "scheduler is running" && break
      sleep 0.5
    done
    if ! LC_ALL=C lpstat -r 2>/dev/null | grep -qx "scheduler is running"; then
      echo "start-cups: cupsd is not answering; the printing integration test will be skipped"
      return 0
    fi
  fi

  # An existing default is kept unless it is itself a cups-pdf queue.
  local padrao
  padrao=$(LC_ALL=C lpstat -d 2>/dev/null | sed -n 's/^system default destination: //p') || padrao=
  if [ -n "$padrao" ] && ! LC_ALL=C lpstat -v "$padrao" 2>/dev/null | grep -q 'cups-pdf:/'; then
    echo "start-cups: the default printer $padrao is not a PDF queue; the printing integration test will be skipped"
    return 0
  fi
  if [ -z "$padrao" ]; then
    if ! LC_ALL=C lpstat -v "$fila" >/dev/null 2>&1; then
      lpadmin -p "$fila" -E -v cups-pdf:/ -P "$ppd" 2>/dev/null ||
        { echo "start-cups: could not create the queue $fila"; return 0; }
    fi
    lpadmin -d "$fila" || { echo "start-cups: could not make $fila the default"; return 0; }
    padrao=$fila
  fi
  cupsenable "$padrao" 2>/dev/null || true
  cupsaccept "$padrao" 2>/dev/null || true

  # cups-pdf writes into "Out" of its configuration, ${HOME} being the home
  # folder of the user who printed.
  local casa saida
  casa=$(getent passwd "$(id -un)" | cut -d: -f6) || casa=$HOME
  saida=$(sed -n 's/^[[:space:]]*Out[[:space:]]\+//p' /etc/cups/cups-pdf.conf 2>/dev/null | tail -n 1) || saida=
  saida=${saida:-'${HOME}/PDF'}
  saida=${saida//'${HOME}'/$casa}

  export CERAVEL_CUPS_FILA="$padrao"
  export CERAVEL_CUPS_PDF_DIR="$saida"
  echo "start-cups: default printer $CERAVEL_CUPS_FILA writes to $CERAVEL_CUPS_PDF_DIR"
}

ceravel_inicia_cups
