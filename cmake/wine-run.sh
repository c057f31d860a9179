#!/usr/bin/env bash
# Runs a cross-built Windows program under Wine in the build's own prefix (build-windows/wine, found
# from the program's bin/ folder unless WINEPREFIX is set): no Mono or Gecko prompts, no crash dialog,
# no windows on a display (the null graphics driver), no Wine debug chatter. The first run creates
# the prefix; a lock keeps parallel first runs from creating it twice.
set -euo pipefail
program=$1
shift
if [ -z "${WINEPREFIX:-}" ]; then
  WINEPREFIX=$(cd "$(dirname "$program")/.." && pwd)/wine
fi
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
if [ ! -f "$WINEPREFIX/.vexor-ready" ]; then
  mkdir -p "$WINEPREFIX"
  (
    flock 9
    if [ ! -f "$WINEPREFIX/.vexor-ready" ]; then
      wineboot -i >/dev/null 2>&1
      wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
      wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
      # The desktop process wineboot started has no graphics driver (none was set yet, and there is
      # no display), and the server keeps it: a dialog created before that server is gone fails.
      wineserver -w
      touch "$WINEPREFIX/.vexor-ready"
    fi
  ) 9>"$WINEPREFIX.lock"
fi
exec wine "$program" "$@"
