#!/usr/bin/env bash
# Compila Quelmar y lo arranca.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/compilar.sh release
exec build/release/app/quelmar
