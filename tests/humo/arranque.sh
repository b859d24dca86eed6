#!/usr/bin/env bash
# Smoke test: starts the real program on a virtual X display, waits for its main window, then
# closes it from its own menu ("Archivo", then up past the spreadsheet's two items and the report's
# two to "Salir") and expects a clean exit.
set -euo pipefail
programa="$1"
unset QT_QPA_PLATFORM
# Under the sanitizer build: the desktop's libraries (D-Bus among them) keep memory until the
# program ends, which the leak checker would report as the program's own. Set here, after
# whatever the caller gave, so that the test does not depend on its caller's environment.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

# Waits up to the given seconds, polling, until the command succeeds.
esperar() {
  local segundos="$1"
  shift
  for _ in $(seq 1 $((segundos * 5))); do
    "$@" && return 0
    sleep 0.2
  done
  return 1
}

ventana_principal() {
  ventana=$(xdotool search --onlyvisible --name '^Quelmar$' 2>/dev/null | head -n 1 || true)
  [[ -n "$ventana" ]]
}

# The menu is a window of its own: open once the program shows more than its main window.
menu_abierto() {
  (($(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | wc -l) > 1))
}

terminado() {
  ! kill -0 "$pid" 2>/dev/null
}

# Every step waits for what it needs rather than for a fixed time, so that a slow or busy machine
# only makes the test slower.
prueba() {
  "$programa" &
  pid=$!
  ventana=""
  if ! esperar 60 ventana_principal; then
    echo "La ventana principal no apareció"
    kill "$pid" 2>/dev/null || true
    exit 1
  fi
  echo "Ventana principal: $(xwininfo -id "$ventana" | grep -E 'geometry|Map State' | tr -s ' ')"
  xdotool windowfocus --sync "$ventana"
  local intentos=0
  until menu_abierto; do
    ((++intentos > 10)) && break
    xdotool key --clearmodifiers alt+a
    esperar 5 menu_abierto || true
  done
  if ! menu_abierto; then
    echo "El menú «Archivo» no se abrió"
    kill "$pid" 2>/dev/null || true
    exit 1
  fi
  xdotool key Up Up Up Up Up
  sleep 0.2
  xdotool key Return
  if esperar 30 terminado; then
    wait "$pid" && estado=0 || estado=$?
    echo "El programa terminó con el código $estado"
    exit "$estado"
  fi
  echo "El programa no se cerró desde el menú"
  kill "$pid" 2>/dev/null || true
  exit 1
}

if [[ -z "${QUELMAR_EN_XVFB:-}" ]]; then
  export QUELMAR_EN_XVFB=1
  exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi
prueba
