#!/usr/bin/env bash
# The installed desktop entry starts the game in a data folder of its own, made on first start.
# Usage: tst_desktopentry.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT

DESTDIR=$work/dest cmake --install "$build" >/dev/null
entry=$(find "$work/dest" -name vorlina.desktop)
exec_line=$(sed -n 's/^Exec=//p' "$entry")
launcher=$work/dest$exec_line
[ -x "$launcher" ] || { echo "FAIL: the entry's Exec $exec_line is not installed" >&2; exit 1; }

fail=0
# start NAME XDG_DATA_HOME EXPECTED_FOLDER
start() {
    local name=$1 xdg=$2 folder=$3 files
    mkdir -p "$work/$name/home" "$work/$name/desktop"
    (cd "$work/$name/desktop" &&
        exec env -u XDG_DATA_HOME ${xdg:+XDG_DATA_HOME=$xdg} HOME="$work/$name/home" \
            QT_QPA_PLATFORM=offscreen "$launcher") &
    pid=$!
    for _ in $(seq 100); do
        files=$(ls "$folder" 2>/dev/null | sort | tr "\n" " " || true)
        [ "$files" = "qimbacks.dat qimruntot.dat qimscores.dat " ] && break
        sleep 0.1
    done
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    pid=
    if [ "$files" != "qimbacks.dat qimruntot.dat qimscores.dat " ]; then
        echo "FAIL $name: $folder holds '$files'" >&2
        fail=1
    fi
    if [ -n "$(ls -A "$work/$name/desktop")" ]; then
        echo "FAIL $name: files were left where the desktop started the game" >&2
        fail=1
    fi
}

start home "" "$work/home/home/.local/share/vorlina"
start xdg "$work/xdg/data" "$work/xdg/data/vorlina"
start relative "data" "$work/relative/home/.local/share/vorlina"
exit $fail
