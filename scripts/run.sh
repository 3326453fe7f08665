#!/usr/bin/env bash
# Builds Porvanta and starts it. Extra arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
exec build/src/app/porvanta "$@"
