#!/usr/bin/env bash
# Builds the fuzzers with clang, libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer
# into build-fuzz/, installing clang and its runtime first when they are missing.
#   scripts/build-fuzz.sh
#   mkdir -p work && cp tests/fuzz/corpus/* work/
#   build-fuzz/tests/fuzz/observation_fuzzer -max_len=800 -max_total_time=600 \
#       -dict=tests/fuzz/observation.dict work/
# Keep the corpus small: merge what it found into an empty folder, which keeps only the
# inputs that add coverage, and put those in tests/fuzz/corpus/:
#   mkdir small && build-fuzz/tests/fuzz/observation_fuzzer -merge=1 small/ work/
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)

missing=()
for package in clang libclang-rt-14-dev; do
    dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update
    $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

cmake -S "$top" -B "$top/build-fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DKELVRA_FUZZ=ON >/dev/null
cmake --build "$top/build-fuzz" -j "${JOBS:-2}" --target observation_fuzzer
