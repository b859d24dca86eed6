#!/usr/bin/env bash
# Compila con el preset release, construye el paquete Debian
# (build/release/paquete/quelmar_<versión>_<arquitectura>.deb) y lo revisa con lintian, que no ha
# de encontrar errores.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/compilar.sh release
rm -f build/release/paquete/quelmar_*.deb
cpack --preset release
paquete=$(ls build/release/paquete/quelmar_*.deb)
lintian --fail-on error "$paquete"
echo "Paquete: $paquete"
