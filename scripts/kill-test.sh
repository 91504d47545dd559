#!/usr/bin/env bash
# Kills a saving Morvane N times at random moments and checks after each
# kill that the character's files are whole: every storage file as one of
# the saved states, list and detail files of equal length.
#   bash scripts/kill-test.sh [N]        (default 100; needs a release build)
set -euo pipefail
cd "$(dirname "$0")/.."

kills=${1:-100}
tool=build/release/tests/morvane_killtest
[[ -x $tool ]] || cmake --build --preset release --target morvane_killtest

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
torn=0 finished=0 undone=0 unfinished=0
for ((run = 1; run <= kills; ++run)); do
    "$tool" save "$folder" &
    saver=$!
    sleep "0.$((RANDOM % 200 + 20))"
    kill -KILL "$saver"
    wait "$saver" 2>/dev/null || true
    if result=$("$tool" check "$folder"); then
        case ${result#* } in
            1) finished=$((finished + 1)) ;;
            2) undone=$((undone + 1)) ;;
            3) unfinished=$((unfinished + 1)) ;;
        esac
    else
        torn=$((torn + 1))
        echo "kill $run: torn save ($result)"
    fi
done
echo "$kills kills: $torn torn saves; $finished interrupted saves finished, $undone undone on the next read," \
    "$unfinished left unfinished"
[[ $torn -eq 0 ]]
