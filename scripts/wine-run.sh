#!/usr/bin/env bash
# Runs a Windows program under the project's Wine prefix (the CTest emulator).
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
. "$here/wine-env.sh"
exec wine "$@"
