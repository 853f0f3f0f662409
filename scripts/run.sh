#!/bin/sh
# The main job: the driver UI stand-in calls the module against the simulated printer and prints
# what the driver gets. Installs what it needs on a fresh Debian 12 machine (as root).
#   scripts/run.sh [PROFILE]   PROFILE: a file of simulator/profiles (default: vantor-jet-qx)
set -eu
. "$(dirname "$0")/lib.sh"
need_host_tools
cd "$QZ_ROOT"
build_preset host >/dev/null
bin="$QZ_ROOT/build/host/bin"
"$bin/qzcaller" QZPRINF.DLL "Stampante" "Vantor Jet QX" --in 0,0,0,0,0,0,0,0,0,0,0,0
