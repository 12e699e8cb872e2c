#!/usr/bin/env bash
# Builds, then runs the console host on the bundled sample data.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh >/dev/null
exec build/host/terralith "${@:-info}"
