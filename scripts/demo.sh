#!/usr/bin/env bash
# Sets up a demo installation and runs the program on it:
# installs what is missing, builds, starts a private MariaDB on 127.0.0.1:33061 with its
# data in demo/db, fills it with three departments of twelve sensors over four weeks,
# points the local settings of demo/ at it and starts kelvra in demo/.
# Without a display the program runs on a virtual one for a few seconds and leaves a
# screenshot in demo/screenshot.png.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
demo="$top/demo"
port=33061

"$top/scripts/install-deps.sh"
"$top/scripts/build.sh"
mkdir -p "$demo"
"$top/scripts/testdb-start.sh" "$demo/db" "$port"
"$top/build/tools/democollector/democollector" --port "$port" --user monitor \
    --password monitor-pw --database sensors --departments 3 --sensors 12 --days 28
"$top/build/tools/localsettings/localsettings" --settings-db "$demo/Database/sensordb.db" \
    --type mySQL --address "127.0.0.1:$port" --database sensors --user monitor --password monitor-pw

cd "$demo"
echo "The demo server keeps running; stop it with: scripts/testdb-stop.sh demo/db"
if [ -n "${DISPLAY:-}" ]; then
    exec "$top/build/src/main/kelvra"
fi
command -v import >/dev/null || {
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends imagemagick
}
xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
    "$1" & app=$!
    sleep 5
    import -window root screenshot.png
    kill $app
    wait $app 2>/dev/null || true
' _ "$top/build/src/main/kelvra"
echo "No display: kelvra ran on a virtual one; its screen is in $demo/screenshot.png"
