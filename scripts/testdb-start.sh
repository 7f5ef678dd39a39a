#!/usr/bin/env bash
# Starts a private MariaDB on 127.0.0.1 for tests or the demo.
#   scripts/testdb-start.sh DATADIR PORT
# Creates the data folder on first use, starts the server, waits until it answers, and
# creates the login 'monitor'/'monitor-pw' with the databases 'sensors' and 'sensors_odbc'.
set -euo pipefail
datadir=$(realpath -m "${1:?data folder}")
port=${2:?port}

# Table names compare without regard to case, as on the Windows servers the statements were
# written for ("Select * from Sensors"); a folder made without that setting is made anew.
case_marker="$datadir/.lower-case-table-names"
if [ -d "$datadir/mysql" ] && [ ! -f "$case_marker" ]; then
    if [ -f "$datadir/pid" ] && kill -0 "$(cat "$datadir/pid")" 2>/dev/null; then
        kill "$(cat "$datadir/pid")"
        for _ in $(seq 1 100); do kill -0 "$(cat "$datadir/pid")" 2>/dev/null || break; sleep 0.1; done
    fi
    rm -rf "$datadir"
fi
if [ ! -d "$datadir/mysql" ]; then
    mkdir -p "$datadir"
    mariadb-install-db --no-defaults --user=root --datadir="$datadir" \
        --auth-root-authentication-method=socket --skip-test-db --lower-case-table-names=1 \
        >"$datadir.install.log" 2>&1
    touch "$case_marker"
fi

if [ -f "$datadir/pid" ] && kill -0 "$(cat "$datadir/pid")" 2>/dev/null; then
    echo "MariaDB already running on port $port (pid $(cat "$datadir/pid"))"
    exit 0
fi

mariadbd --no-defaults --user=root --datadir="$datadir" --socket="$datadir/s.sock" \
    --pid-file="$datadir/pid" --port="$port" --bind-address=127.0.0.1 --skip-name-resolve \
    --lower-case-table-names=1 --log-error="$datadir/error.log" >/dev/null 2>&1 &
server=$!

ready=no
for _ in $(seq 1 300); do
    if mariadb --no-defaults -S "$datadir/s.sock" -u root -e 'select 1' >/dev/null 2>&1; then
        ready=yes
        break
    fi
    kill -0 "$server" 2>/dev/null || break
    sleep 0.1
done
if [ "$ready" != yes ]; then
    echo "MariaDB did not start on port $port; the end of its log:" >&2
    tail -n 5 "$datadir/error.log" >&2
    kill "$server" 2>/dev/null
    exit 1
fi
mariadb --no-defaults -S "$datadir/s.sock" -u root <<'SQL'
CREATE DATABASE IF NOT EXISTS sensors;
CREATE DATABASE IF NOT EXISTS sensors_odbc;
CREATE USER IF NOT EXISTS 'monitor'@'127.0.0.1' IDENTIFIED BY 'monitor-pw';
GRANT ALL ON *.* TO 'monitor'@'127.0.0.1';
SQL
echo "MariaDB running on 127.0.0.1:$port (pid $(cat "$datadir/pid"))"
