#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite. The tests start their
# own MariaDB on 127.0.0.1 (port 33071, data in build/testdb) and stop it again.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
"$top/scripts/build.sh"
rm -rf "$top/build/test-runtime"
ctest --test-dir "$top/build" --output-on-failure -j 2
