#!/bin/sh
# The main job: the driver UI stand-in loads QZPRINF.DLL and asks it for the printer's data, over
# the simulated printer, and prints what the driver gets. Installs what it needs on a fresh
# Debian 12 machine (as root).
#   scripts/run.sh [PROFILE [MODEL]]
# PROFILE is a file of simulator/profiles: default.profile (a "Vantor Jet QX" that answers with
# six ID values; the default) or vj-8200q.profile (a "VJ-8200Q" with both option items; give the
# MODEL "VJ-8200Q" with it). The emulated Windows is NT 4.0, one of the systems on which the
# printer is asked; QZ_WINVER picks another.
set -eu
. "$(dirname "$0")/lib.sh"
profile=${1:-default.profile}
model=${2:-}
if [ -z "$model" ]; then
    case "$profile" in
    vj-8200q*) model="VJ-8200Q" ;;
    *) model="Vantor Jet QX" ;;
    esac
fi
need_host_tools
cd "$QZ_ROOT"
build_preset host >/dev/null
build="$QZ_ROOT/build/host"
echo "== qzcaller QZPRINF.DLL Stampante \"$model\" --bidi   (simulated printer: $profile)"
PATH="$build/sim/default:$PATH" KWSIM_PROFILE="$QZ_ROOT/simulator/profiles/$profile" \
    QZ_WINVER="${QZ_WINVER:-nt40}" "$build/bin/qzcaller" QZPRINF.DLL Stampante "$model" --bidi
