#!/usr/bin/env bash
# Starts the program on a virtual screen with a fresh home, logs in as sa and
# saves docs/screenshots/login.png and main.png (with the 业务管理 menu open).
set -euo pipefail
cd "$(dirname "$0")/.."

need=()
for p in x11-apps imagemagick xdotool; do dpkg -s "$p" >/dev/null 2>&1 || need+=("$p"); done
if [ ${#need[@]} -gt 0 ]; then
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${need[@]}"
fi

home=$(mktemp -d)
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1366x768x24 >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
trap 'kill "${app:-}" "$xvfb" 2>/dev/null || true; rm -rf "$home"' EXIT
sleep 1

build/src/app/zorlik --home "$home" >/dev/null 2>&1 &
app=$!
login=$(xdotool search --sync --onlyvisible --pid "$app" | head -n 1)
sleep 1
import -window "$login" docs/screenshots/login.png

# Enter walks the login form; on the 登 录 button it logs in.
for _ in 1 2 3 4 5; do xdotool key Return; sleep 0.4; done
sleep 2
main=$(xdotool search --onlyvisible --pid "$app" | head -n 1)
eval "$(xdotool getwindowgeometry --shell "$main")"
xdotool mousemove --window "$main" 158 11 click 1
sleep 1
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage docs/screenshots/main.png
echo "docs/screenshots/login.png docs/screenshots/main.png"
