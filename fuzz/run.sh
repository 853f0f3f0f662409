#!/bin/sh
# The long fuzz run: fuzz/run.sh BUILD_DIR TARGET [RUNS]
#   BUILD_DIR  a build configured with clang and -DQZ_FUZZ=ON (see fuzz/README.md)
#   TARGET     status_reply or bidi_library
#   RUNS       executions (default 10000000)
# New inputs go to BUILD_DIR/fuzz/corpus/TARGET, crashes to BUILD_DIR/fuzz/artifacts/TARGET/;
# the seeds of fuzz/corpus/TARGET are read. Further arguments after RUNS go to libFuzzer.
set -eu
build=$1
target=$2
runs=${3:-10000000}
[ $# -ge 3 ] && shift 3 || shift $#
source_dir=$(cd "$(dirname "$0")" && pwd)
case "$target" in
status_reply) program="$build/fuzz/fuzz_status_reply" ;;
bidi_library) program="$build/fuzz/hostile/fuzz_bidi_library" ;;
*) echo "usage: $0 BUILD_DIR status_reply|bidi_library [RUNS]" >&2; exit 2 ;;
esac
cmake --build "$build" --target "fuzz_$target"
corpus="$build/fuzz/corpus/$target"
artifacts="$build/fuzz/artifacts/$target/"
mkdir -p "$corpus" "$artifacts"
dict=
[ -f "$source_dir/$target.dict" ] && dict="-dict=$source_dir/$target.dict"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
start=$(date +%s)
# shellcheck disable=SC2086
"$program" -runs="$runs" -print_final_stats=1 -artifact_prefix="$artifacts" $dict "$@" \
    "$corpus" "$source_dir/corpus/$target"
echo "fuzz_$target: $runs runs in $(( $(date +%s) - start )) s, no finding"
