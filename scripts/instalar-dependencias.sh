#!/usr/bin/env bash
# Instala con apt-get los paquetes de scripts/paquetes-debian.txt que falten.
set -euo pipefail
cd "$(dirname "$0")/.."

faltan=()
while read -r paquete; do
  [[ -z "$paquete" || "$paquete" == \#* ]] && continue
  if ! dpkg-query -W -f='${Status}' "$paquete" 2>/dev/null | grep -q 'install ok installed'; then
    faltan+=("$paquete")
  fi
done < scripts/paquetes-debian.txt

if ((${#faltan[@]} == 0)); then
  exit 0
fi

echo "Instalando: ${faltan[*]}"
sudo_si_hace_falta=()
if [[ "$(id -u)" != 0 ]]; then
  sudo_si_hace_falta=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_si_hace_falta[@]}" apt-get update -q
"${sudo_si_hace_falta[@]}" apt-get install -y -q --no-install-recommends "${faltan[@]}"
