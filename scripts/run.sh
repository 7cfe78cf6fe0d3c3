#!/usr/bin/env bash
# Installs what is missing, builds Korvex and starts it.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/build.sh"
exec "$root/build/bin/korvex"
