#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (preset fuzz) and runs each one for the given seconds
# (60 by default), starting from its corpus in tests/fuzz/corpus. New inputs go to
# build/fuzz/corpus/TARGET, failing inputs to build/fuzz/fallos/TARGET; the repository's corpora
# are not changed. Ends with 1 when a target failed.
set -euo pipefail
cd "$(dirname "$0")/.."
segundos="${1:-60}"
objetivos=(leer_problema numeros parametros comparar)

scripts/instalar-dependencias.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target "${objetivos[@]/#/fuzz_}"

fallidos=()
for objetivo in "${objetivos[@]}"; do
  nuevos="build/fuzz/corpus/$objetivo"
  fallos="build/fuzz/fallos/$objetivo/"
  mkdir -p "$nuevos" "$fallos"
  echo "== $objetivo: $segundos s"
  if ! ASAN_OPTIONS="detect_leaks=0${ASAN_OPTIONS:+:$ASAN_OPTIONS}" \
    "build/fuzz/tests/fuzz/fuzz_$objetivo" -max_total_time="$segundos" -print_final_stats=1 \
    -artifact_prefix="$fallos" "$nuevos" "tests/fuzz/corpus/$objetivo"; then
    fallidos+=("$objetivo")
  fi
done

if ((${#fallidos[@]} > 0)); then
  echo "Fallaron: ${fallidos[*]} (entradas en build/fuzz/fallos/)"
  exit 1
fi
