#!/usr/bin/env bash
# Instala lo que falte y compila con el preset dado (release por omisión).
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-release}"
scripts/instalar-dependencias.sh
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
