#!/bin/sh
# The printer path end to end under Wine: the caller loads QZPRINF.DLL by file name and calls it
# against the simulated printer; a mismatching printer's message box is read from inside Wine
# (boxreader) and dismissed with the keyboard (xdotool), as a user would.
#   caller-e2e.sh BIN_DIR SIM_DIR PROFILES_DIR TEST_PROFILES_DIR
set -eu
bin=$1
sim=$2
profiles=$3
extra=$4
: "${WINEPREFIX:?}" "${DISPLAY:?}"
export WINEARCH=win32 WINEDEBUG=-all WINEPATH="$(winepath -w "$sim")"
cd "$bin"
# The printer is asked over the link on Windows 95, NT 3.51 and NT 4.0 only.
wine reg add 'HKCU\Software\Wine\AppDefaults\qzcaller.exe' /v Version /d nt40 /f >/dev/null 2>&1
failures=0
out=$(mktemp)

fail() {
    echo "FAILED: $*"
    failures=$((failures + 1))
}

# call PROFILE MODEL [caller options]: the caller's output in $out (Windows line ends dropped).
call() {
    profile=$1
    model=$2
    shift 2
    KWSIM_PROFILE="$(winepath -w "$profile")" wine qzcaller.exe QZPRINF.DLL Stampante "$model" "$@" 2>&1 |
        tr -d '\r' >"$out"
}

expect() { # expect TEXT: a line of the caller's output
    grep -qxF -- "$1" "$out" || fail "$case: expected '$1' in: $(tr '\n' '|' <"$out")"
}

case="without the library the input record passes through"
WINEPATH= KWSIM_PROFILE= wine qzcaller.exe QZPRINF.DLL Stampante "Vantor Jet QX" --bidi \
    --in 1,6,30,32,34,36,38,40,0,11,0,12 2>&1 | tr -d '\r' >"$out"
expect "result: 1"
expect "  dwId[5]     = 40"
expect "  dwOpt2Value = 12"
WINEPATH= wine qzcaller.exe QZPRINF.DLL Stampante "VJ-8200Q" --same-record --in 0,0,0,0,0,0,0,0,0,0,0,5 2>&1 |
    tr -d '\r' >"$out"
expect "result: 1"
expect "  dwOpt2Value = 5"
WINEPATH= wine qzcaller.exe QZPRINF.DLL Stampante "VJ-8200Q" 2>&1 | tr -d '\r' >"$out"
expect "result: 1"
expect "  dwIdFlag    = 0"

case="row 0 reads six ID values"
call "$profiles/default.profile" "Vantor Jet QX" --bidi --in 0,0,0,0,0,0,0,0,0,7,0,9
expect "result: 1"
expect "  dwIdFlag    = 1"
expect "  dwIdCount   = 6"
expect "  dwId[0]     = 34"
expect "  dwId[5]     = 64"
expect "  dwOpt1Flag  = 0"
expect "  dwOpt1Value = 7"
expect "  dwOpt2Value = 9"

case="row 1 reads the ID values and both option items"
call "$profiles/vj-8200q.profile" "VJ-8200Q" --bidi
expect "result: 1"
expect "  dwId[0]     = 30"
expect "  dwId[5]     = 70"
expect "  dwOpt1Flag  = 1"
expect "  dwOpt1Value = 64"
expect "  dwOpt2Flag  = 1"
expect "  dwOpt2Value = 1"

case="the model name matches without regard to case"
call "$profiles/default.profile" "VANTOR jet qx" --bidi
expect "result: 1"
expect "  dwId[1]     = 40"

case="a model in no row is refused without a message"
call "$extra/other-model.profile" "Vantor Jet ZZ" --bidi
expect "result: 0"
expect "output record: unchanged by the call"

case="an unreachable printer gives no data"
call "$extra/unreachable.profile" "Vantor Jet QX" --bidi
expect "result: 0"
expect "output record: unchanged by the call"

case="another model is refused with one message"
call "$profiles/default.profile" "VJ-8200Q" --bidi &
caller=$!
box=$(wine boxreader.exe Errore 20000) || fail "$case: no message box appeared"
box=$(printf '%s' "$box" | tr -d '\r')
expected=$(printf "E' collegata una stampante incompatibile.\r\nCollegate la stampante appropriata e riprovate." |
    od -An -tx1 | tr -s ' \n' ' ')
[ "$(echo "$box" | head -n 1)" = "text:${expected% }" ] || fail "$case: the box says: $box"
echo "$box" | grep -qx "owner: none" || fail "$case: the box has an owner: $box"
window=$(xdotool search --name '^Errore$' | head -n 1)
xdotool key --window "$window" Return
wait $caller
expect "result: 0"
expect "output record: unchanged by the call"
if wine boxreader.exe Errore 1000 >/dev/null; then
    fail "$case: a second message box appeared"
fi

rm -f "$out"
if [ $failures -ne 0 ]; then
    echo "$failures failed"
    exit 1
fi
echo "caller end to end: all cases passed"
