#!/usr/bin/env bash
# Saves the pictures of the README: a fresh home (with the demo data when the
# command-line program can make it), logged in as sa, taken by zorlik-windowshot
# without a display. One line per picture: the login dialog (Tdl), a menu of the
# menu bar dropped down, or a menu entry whose window is taken.
set -euo pipefail
cd "$(dirname "$0")/.."

shots=(
  Tdl=docs/screenshots/login.png
  YW=docs/screenshots/main.png
)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
home=$work/home
cli=build/src/cli/zorlik-cli

if "$cli" help 2>&1 | grep -qw demo; then
  "$cli" demo --home "$home" >/dev/null
else
  echo "zorlik-cli has no demo command yet: the pictures show an empty home" >&2
fi

args=()
for shot in "${shots[@]}"; do args+=(--shot "$shot"); done
mkdir -p docs/screenshots "$work/user"
# A first login puts a launcher on the desktop: give it a desktop of its own.
HOME="$work/user" XDG_CONFIG_HOME="$work/user/.config" QT_QPA_PLATFORM=offscreen \
  build/tools/zorlik-windowshot --home "$home" "${args[@]}"
