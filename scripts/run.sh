#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program in the current directory.
set -euo pipefail
here="$(pwd)"
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/setup-deps.sh"
bash "$root/scripts/build.sh"
cd "$here"
if [ -x "$root/build/src/shell/tellmark" ]; then
  exec "$root/build/src/shell/tellmark" "$@"
fi
exec "$root/build/tellmark-cli" "$@"
