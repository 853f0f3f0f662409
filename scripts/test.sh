#!/bin/sh
# The whole test suite: the host build (GoogleTest suites under ASan and UBSan, short fuzz runs)
# and the win32 build (the same suites, cross-built, under Wine). Installs what it needs on a
# fresh Debian 12 machine (as root). Prints each suite's GoogleTest summary and CTest's verdict.
set -eu
. "$(dirname "$0")/lib.sh"
need_host_tools
need_packages g++-mingw-w64-i686-posix xdotool
"$QZ_ROOT/scripts/setup-wine.sh"
cd "$QZ_ROOT"
mkdir -p build

status=0
# run_suites PRESET DIR: runs the tests of the preset, built in build/DIR, showing the GoogleTest
# summaries and the outcome.
run_suites() {
    log="$QZ_ROOT/build/$1.ctest.log"
    echo "== $1: building"
    build_preset "$1" "$2" >"$QZ_ROOT/build/$1.build.log" 2>&1 || {
        cat "$QZ_ROOT/build/$1.build.log"
        return 1
    }
    echo "== $1: running the suites"
    if ctest --preset "$1" -V >"$log" 2>&1; then
        result=0
    else
        result=1
    fi
    grep -E '^[0-9]+: \[  (PASSED|FAILED|SKIPPED) +\]|^[0-9]+: \[==========\] [0-9]+ tests? from|^[0-9]+: Done [0-9]+ runs' "$log" |
        grep -v 'Running' || true
    if [ $result -ne 0 ] && [ -s "$QZ_ROOT/build/$2/Testing/Temporary/LastTestsFailed.log" ]; then
        ctest --preset "$1" --rerun-failed --output-on-failure || true
    fi
    grep -E '% tests passed' "$log" | sed "s/^/$1: /"
    return $result
}

run_suites host host || status=1
run_suites fuzz fuzz-tests || status=1
run_suites win32 win32 || status=1
exit $status
