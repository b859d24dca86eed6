#!/usr/bin/env bash
# Compila y pasa todas las pruebas: primero el preset release, después el de depuración con sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."
presets=("$@")
if ((${#presets[@]} == 0)); then
  presets=(release debug)
fi
for preset in "${presets[@]}"; do
  scripts/compilar.sh "$preset"
  ctest --preset "$preset"
done
