#!/usr/bin/env bash
# Runs a Windows program of this project under Wine (used by CTest as the
# emulator of the Windows builds).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine_env.sh"
ensure_wine_prefix
exec wine "$@"
