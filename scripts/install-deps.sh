#!/usr/bin/env bash
# Installs the Debian 12 packages the program, its tests and its demo need.
set -euo pipefail
packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev libqt6opengl6-dev qt6-charts-dev qt6-svg-dev
    libqt6sql6-mysql libqt6sql6-odbc libqt6sql6-sqlite
    mariadb-server mariadb-client libmariadb-dev
    unixodbc unixodbc-dev odbc-mariadb tdsodbc freetds-bin
    xvfb xauth poppler-utils fonts-liberation fonts-dejavu-core
)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
        missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
# The ODBC drivers must be registered under the names the program uses.
if ! odbcinst -q -d -n "MariaDB Unicode" >/dev/null 2>&1; then
    printf '[MariaDB Unicode]\nDriver=libmaodbc.so\nDescription=MariaDB Connector/ODBC(Unicode)\n' |
        odbcinst -i -d -r >/dev/null
fi
if ! odbcinst -q -d -n "FreeTDS" >/dev/null 2>&1; then
    printf '[FreeTDS]\nDriver=libtdsodbc.so\nDescription=FreeTDS\n' | odbcinst -i -d -r >/dev/null
fi
