#!/usr/bin/env bash
# Smoke test: starts the real program on a virtual X display, waits for its main window, then
# closes it from its own menu ("Archivo", then up to its last item, "Salir") and expects a clean
# exit.
set -euo pipefail
programa="$1"
unset QT_QPA_PLATFORM
# Under the sanitizer build: the desktop's libraries (D-Bus among them) keep memory until the
# program ends, which the leak checker would report as the program's own. Set here, after
# whatever the caller gave, so that the test does not depend on its caller's environment.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

prueba() {
  "$programa" &
  pid=$!
  ventana=""
  for _ in $(seq 1 100); do
    ventana=$(xdotool search --onlyvisible --name '^Quelmar$' 2>/dev/null | head -n 1 || true)
    [[ -n "$ventana" ]] && break
    sleep 0.2
  done
  if [[ -z "$ventana" ]]; then
    echo "La ventana principal no apareció"
    kill "$pid" 2>/dev/null || true
    exit 1
  fi
  echo "Ventana principal: $(xwininfo -id "$ventana" | grep -E 'geometry|Map State' | tr -s ' ')"
  xdotool windowfocus --sync "$ventana"
  sleep 0.5
  xdotool key --clearmodifiers alt+a
  sleep 0.5
  xdotool key Up
  sleep 0.2
  xdotool key Return
  for _ in $(seq 1 50); do
    if ! kill -0 "$pid" 2>/dev/null; then
      wait "$pid"
      echo "El programa terminó con el código $?"
      exit 0
    fi
    sleep 0.2
  done
  echo "El programa no se cerró desde el menú"
  kill "$pid" 2>/dev/null || true
  exit 1
}

if [[ -z "${QUELMAR_EN_XVFB:-}" ]]; then
  export QUELMAR_EN_XVFB=1
  exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi
prueba
