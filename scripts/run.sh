#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds and launches the calculator.
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)
bash "$raiz/scripts/install-deps.sh"
bash "$raiz/scripts/build.sh" "$raiz/build"
exec "$raiz/build/bin/ceravel"
