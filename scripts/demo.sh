#!/usr/bin/env bash
# Builds the suite and runs it under Wine: on the user's display, or on a virtual one (then it
# drives Couchdeck through a short tour and saves screenshots to <build>/demo-shots).
# Usage: scripts/demo.sh [build-dir]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build}

"$root/scripts/deps.sh"
cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$build" -j"$(nproc)"
build=$(cd "$build" && pwd)

echo "Built into $build/bin:"
(cd "$build/bin" && find . -type f | sort | sed 's|^\./|  |')

user_display=${DISPLAY:-}
"$root/scripts/winenv" up "$build" >/dev/null
eval "$("$root/scripts/winenv" env "$build")"
wine=/usr/lib/wine/wine64

# Power keys only write what they would do; the stand-in library logs its calls.
logs=$build/demo-logs
mkdir -p "$logs"
: >"$logs/power.log"
: >"$logs/somna.log"
winpath() { printf 'Z:%s' "$1" | tr / '\\'; }
export KOVA_POWER_LOG=$(winpath "$logs/power.log")
export SOMNA_LOG=$(winpath "$logs/somna.log")
# The stand-in answers that power-on-after-power-loss is set, so no reminder stops the start.
export SOMNA_OUT_TACETGETDEVICE=1

post() { "$wine" "$build/tests-bin/PostCommand.exe" "$@" >/dev/null 2>&1 || true; }
finish() {
  post --exit
  sleep 2
  echo "Power actions (KOVA_POWER_LOG, $logs/power.log):"
  sed 's/^/  /' "$logs/power.log"
  echo "Power-saving library calls (SOMNA_LOG, $logs/somna.log):"
  sed 's/^/  /' "$logs/somna.log"
}

# Couchdeck starts Keyrelay from bin/ itself.
(cd "$build/bin" && "$wine" Couchdeck.exe >/dev/null 2>&1 &)
if [ -f "$build/bin/VirtualRemote.exe" ]; then
  (cd "$build/bin" && "$wine" VirtualRemote.exe >/dev/null 2>&1 &)
fi
sleep 4

if [ -n "$user_display" ]; then
  echo "Couchdeck runs hidden. Press the virtual remote's keys (power twice to confirm; quiet;"
  echo "wireless-only), or post a command: $wine $build/tests-bin/PostCommand.exe 146"
  read -r -p "Press Enter to end Couchdeck and Keyrelay. " _
  finish
  exit 0
fi

shots=$build/demo-shots
mkdir -p "$shots"
shot() { import -window root "$shots/$1.png"; echo "  $shots/$1.png"; }
[ -x "$build/tests-bin/PostCommand.exe" ] || [ -f "$build/tests-bin/PostCommand.exe" ] || {
  echo "PostCommand.exe is missing (tests not built): no tour"; finish; exit 0; }

# Waits up to 20 s for a line in a log.
wait_for() { for _ in $(seq 80); do grep -qx "$2" "$1" 2>/dev/null && return 0; sleep 0.25; done; return 0; }
count() { grep -cx "$2" "$1" 2>/dev/null || true; }

echo "Screenshots:"
shot 01-started
post 146; sleep 1.5; shot 02-power-confirmation
post 146; sleep 5.5; shot 03-power-off-notice
wait_for "$logs/power.log" "PowerOff 12 0"; sleep 3   # keys are dropped for 2 s after it
post 149; sleep 2; shot 04-quiet-on-notice
wait_for "$logs/somna.log" "TacetSleep 16385"; sleep 3; shot 05-quiet-indicator
post 150; sleep 3.5; shot 06-wireless-only-notice
wait_for "$logs/somna.log" "TacetSleep 16386"; sleep 3; shot 07-black-screen
post 150
for _ in $(seq 80); do [ "$(count "$logs/somna.log" "TacetSleep 16385")" -ge 2 ] && break; sleep 0.25; done
sleep 3; shot 08-quiet-restored
post 148; sleep 3.5; shot 09-standby-not-allowed
sleep 6
finish
