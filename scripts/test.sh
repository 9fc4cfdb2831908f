#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds and runs the whole test suite.
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)
bash "$raiz/scripts/install-deps.sh"
bash "$raiz/scripts/build.sh" "$raiz/build"
# The printing integration test needs a print server of its own.
if [ -f "$raiz/scripts/start-cups.sh" ]; then
  source "$raiz/scripts/start-cups.sh"
fi
cd "$raiz/build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" --timeout 300
# Second pass: the suite again under AddressSanitizer and UBSan, then the fuzz
# targets for a bounded time under the same sanitizers.
bash "$raiz/scripts/sanitizers.sh"
