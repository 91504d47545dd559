#!/usr/bin/env bash
# Runs one Windows test executable under Wine for ctest (the emulator of the
# windows preset): in its own Wine prefix, without Wine's debug chatter, with
# a time limit so that a test waiting for a window that never comes fails
# instead of hanging the run. Qt Test writes its report to a file, because
# Wine loses a console program's output when it is not a terminal, and the
# report is printed from there.
set -uo pipefail

export WINEPREFIX=${WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/morvane/wine}
export WINEDEBUG=${WINEDEBUG:--all}
wine=/usr/lib/wine/wine64

if [[ ! -f $WINEPREFIX/system.reg ]]; then
    mkdir -p "$WINEPREFIX"
    "$wine" wineboot --init >/dev/null 2>&1
fi
# Qt's offscreen platform reads fonts from one folder: the host's CJK fonts.
# Wine does not hand QT_* variables of the Linux side to Windows programs, so
# the folder goes into the prefix's own environment.
if ! grep -q '"QT_QPA_FONTDIR"' "$WINEPREFIX/user.reg" 2>/dev/null; then
    "$wine" reg add 'HKCU\Environment' /v QT_QPA_FONTDIR /d 'Z:/usr/share/fonts/opentype/noto' /f >/dev/null 2>&1
fi

report=$(mktemp --suffix=.txt)
trap 'rm -f "$report"' EXIT
timeout --kill-after=10 "${MORVANE_TEST_TIMEOUT:-300}" "$wine" "$@" -o "Z:$report,txt"
status=$?
cat "$report"
if ((status == 124)); then
    echo "Timed out after ${MORVANE_TEST_TIMEOUT:-300} s"
fi
exit $status
