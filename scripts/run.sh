#!/usr/bin/env bash
# Sets up, builds and starts the program on the store that VEXOR_REGISTRY names (or the default).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh >/dev/null
exec build/bin/vexor-access-manager
