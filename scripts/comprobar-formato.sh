#!/usr/bin/env bash
# Falla si algún fuente C++ se aparta de .clang-format; con --corregir, los reescribe.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t fuentes < <(git ls-files '*.cpp' '*.h')
if [[ "${1:-}" == "--corregir" ]]; then
  clang-format -i "${fuentes[@]}"
else
  clang-format --dry-run --Werror "${fuentes[@]}"
fi
