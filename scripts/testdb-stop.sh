#!/usr/bin/env bash
# Stops the private MariaDB started by testdb-start.sh, by its PID.
#   scripts/testdb-stop.sh DATADIR
set -uo pipefail
datadir=$(realpath -m "${1:?data folder}")
[ -f "$datadir/pid" ] || exit 0
pid=$(cat "$datadir/pid")
kill "$pid" 2>/dev/null || exit 0
for _ in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || exit 0
    sleep 0.1
done
kill -9 "$pid" 2>/dev/null
exit 0
