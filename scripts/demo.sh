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

finish() {
  "$wine" "$build/tests-bin/PostCommand.exe" --exit >/dev/null 2>&1 || true
  sleep 2
  echo "Power actions (KOVA_POWER_LOG, $logs/power.log):"
  sed 's/^/  /' "$logs/power.log"
  echo "Power-saving library calls (SOMNA_LOG, $logs/somna.log):"
  sed 's/^/  /' "$logs/somna.log"
}

# Keyrelay reads the virtual remote's pipe in place of the USB receiver.
export KOVA_RECEIVER_PATH='\\.\pipe\kova-remote'
# As a setup program would: let the HID devices wake the PC, so hibernation may be asked for.
(cd "$build/bin" && "$wine" rundll32 Wakegate.dll,SetStandByAllowed >/dev/null 2>&1 || true)

# Couchdeck starts Keyrelay from bin/ itself.
(cd "$build/bin" && "$wine" Couchdeck.exe >/dev/null 2>&1 &)
sleep 4

if [ -n "$user_display" ]; then
  (cd "$build/bin" && "$wine" VirtualRemote.exe >/dev/null 2>&1 &)
  echo "Couchdeck runs hidden; the virtual remote's window drives it through Keyrelay. Try Power"
  echo "twice (hibernation, logged), Suspend, Noise Off (quiet mode) and PiloWiFi (wireless-only)."
  read -r -p "Press Enter to end Couchdeck and Keyrelay. " _
  finish
  exit 0
fi

shots=$build/demo-shots
mkdir -p "$shots"
shot() { import -window root "$shots/$1.png"; echo "  $shots/$1.png"; }
# One key of the virtual remote: press and release, through Keyrelay's receiver pipe.
press() { "$wine" "$build/bin/VirtualRemote.exe" press "$1" >/dev/null 2>&1 || echo "  (key $1 not delivered)"; }

# Waits up to 20 s for a line in a log.
wait_for() { for _ in $(seq 80); do grep -qx "$2" "$1" 2>/dev/null && return 0; sleep 0.25; done; return 0; }

# Waits (up to 15 s) until Couchdeck shows or hides a window of a class.
wait_window() { "$wine" "$build/tests-bin/WaitWindow.exe" "$1" "$2" 15000 >/dev/null 2>&1 || true; }
# Without a window manager, Wine takes about 2 s to put a full-screen window on or off the
# virtual display after the program shows or hides it.
settle() { sleep 2; }
# A notice or confirmation is up once its picture is.
notice_shown() { wait_window TDialogForm shown; sleep 1; }
notice_gone() { wait_window TDialogForm hidden; wait_window TMainForm hidden; settle; }

echo "Screenshots:"
shot 01-started
press power; notice_shown; shot 02-hibernate-confirmation
# The confirmation goes, then the notice comes.
press power; wait_window TDialogForm hidden; notice_shown; shot 03-hibernate-notice
wait_for "$logs/power.log" "Hibernate 1"
notice_gone   # keys are dropped for 2 s after a power action
press noiseoff; notice_shown; shot 04-quiet-on-notice
notice_gone; shot 05-quiet-indicator
press wifi; notice_shown; shot 06-wireless-only-notice
wait_window TBlackScreen shown; settle; shot 07-black-screen
press wifi; wait_window TBlackScreen hidden; settle; shot 08-quiet-restored
press suspend; notice_shown; shot 09-standby-not-allowed
notice_gone
finish
