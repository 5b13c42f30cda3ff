#!/usr/bin/env bash
# Runs the benchmarks against a build made with -DVORLINA_BENCH=ON and prints the figures and
# a summary table on standard output. Writes nothing in the source tree: each run works in a
# fresh folder under /tmp, on its own Xvfb server (the play timings run offscreen).
#
#   bench/run.sh [BUILD-DIR]
#   BENCH_RUNS (9): start-ups timed per program; BENCH_IDLE_SECONDS (60): the idle reading.
set -euo pipefail

build=$(cd "${1:-build}" && pwd)
runs=${BENCH_RUNS:-9}
idle=${BENCH_IDLE_SECONDS:-60}

if [ -z "${VORLINA_BENCH_XVFB:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" env VORLINA_BENCH_XVFB=1 "$0" "$@"
fi

p=$build
for program in bench_proc bench_floor bench_startup bench_endround bench_play vorlina; do
    if [ ! -x "$p/$program" ]; then
        echo "run.sh: $p/$program is missing; configure with -DVORLINA_BENCH=ON and build" >&2
        exit 1
    fi
done

work=$(mktemp -d /tmp/vorlina-bench.XXXXXX)
trap 'rm -rf "$work"' EXIT
log=$work/stderr.log
results=$work/results.txt
: >"$results"
# The browser engine's sandbox does not run as root.
export QTWEBENGINE_DISABLE_SANDBOX=1
export XDG_RUNTIME_DIR=$work/xdg
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
# The programs keep their data files in the working directory.
cd "$work"

step() { echo; echo "== $*"; }
fail() { echo "run.sh: $* (its messages follow)" >&2; tail -40 "$log" >&2; exit 1; }
record() { tee -a "$results"; }
# value LABEL KEY: the figure after KEY on the line of LABEL.
value() {
    awk -v label="$1" -v key="$2" '$1 == label {
        for (i = 2; i < NF; ++i) if ($i == key) { print $(i + 1); exit } }' "$results"
}
ratio() {
    awk -v a="$1" -v b="$2" 'BEGIN { if (a != "" && b > 0) printf "%.2f", a / b; else print "-" }'
}

step "Start-up: exec to the first paint of the window ($runs runs each, taking turns, Xvfb)"
mkdir -p "$work/start"
"$p/bench_proc" time "$runs" "$work/start" -- @floor "$p/bench_floor" \
    :: @vorlina "$p/bench_startup" :: @floor_shared_gl "$p/bench_floor" --share-gl \
    2>>"$log" | record || fail "start-up timing failed"

step "Memory after start-up, CPU over ${idle} s idle (3 copies each at once, Xvfb)"
mkdir -p "$work/alone"
cp "$p/vorlina" "$work/alone/vorlina" # with no web module beside it
"$p/bench_proc" probe 1 "$idle" 3 "$work/probe" -- @vorlina "$p/vorlina" \
    :: @vorlina_no_module "$work/alone/vorlina" :: @floor "$p/bench_floor" --stay \
    2>>"$log" | record || fail "memory and idle readings failed"
if ldd "$p/vorlina" | grep -qi webengine; then
    echo "ldd_vorlina links the browser engine" | record
else
    echo "ldd_vorlina no browser engine" | record
fi

step "End of a round with the real pauses (Xvfb)"
"$p/bench_endround" 5 2>>"$log" | record || fail "end-of-round timing failed"

step "Shuffle and play with the scripted runtime (offscreen)"
QT_QPA_PLATFORM=offscreen "$p/bench_play" 2000 2>>"$log" | record || fail "play timing failed"

web=no
if [ -x "$p/bench_web" ] && [ -f "$p/vorlina_web.so" ]; then
    web=yes
    step "Web page window: exec to the first page shown (5 runs each, loopback page, Xvfb)"
    mkdir -p "$work/web"
    "$p/bench_proc" time 5 "$work/web" -- @web "$p/bench_web" "$p/vorlina_web.so" \
        :: @web_gl_at_start "$p/bench_web" "$p/vorlina_web.so" --share-gl-at-start \
        :: @web_floor "$p/bench_web_floor" 2>>"$log" | record || fail "web window timing failed"
else
    step "Web page window: not built (configure with VORLINA_WITH_WEB=ON)"
fi

row() { echo "| $1 | $2 | $3 | $(ratio "$2" "$4") |"; }

step "Summary"
echo "| measure | Vorlina | baseline | ratio |"
echo "|---|---|---|---|"
row "start-up, exec to first paint (ms)" "$(value vorlina painted_ms)" \
    "$(value floor painted_ms) bare window" "$(value floor painted_ms)"
row "start-up, exec to exit (ms)" "$(value vorlina wall_ms)" \
    "$(value floor wall_ms) bare window" "$(value floor wall_ms)"
row "bare window with shared OpenGL contexts, to first paint (ms)" \
    "$(value floor_shared_gl painted_ms)" "$(value floor painted_ms) bare window" \
    "$(value floor painted_ms)"
row "resident memory after start-up (kB)" "$(value vorlina rss_kb)" \
    "$(value floor rss_kb) bare window" "$(value floor rss_kb)"
row "the same, no web module beside it (kB)" "$(value vorlina_no_module rss_kb)" \
    "$(value vorlina rss_kb) with it" "$(value vorlina rss_kb)"
row "CPU of the idle table over ${idle} s (% of a core)" "$(value vorlina idle_cpu_pct)" \
    "$(value floor idle_cpu_pct) bare window" ""
row "Take Score, 10 s left: $(value take_score wall_s) s; CPU (% of a core)" \
    "$(value take_score cpu_pct)" "$(value take_score_idle cpu_pct) idle as long" ""
row "cleared tableau, 10 cards, 10 s: $(value cleared_tableau wall_s) s; CPU (% of a core)" \
    "$(value cleared_tableau cpu_pct)" "$(value cleared_tableau_idle cpu_pct) idle as long" ""
row "shuffle (us)" "$(value shuffle us)" "$(value std_shuffle us) std::shuffle" \
    "$(value std_shuffle us)"
row "deal + 25 moves (us)" "$(value deal_25_moves us)" \
    "$(value plain_widget_changes us) same widget changes" "$(value plain_widget_changes us)"
row "deal + 26 moves, clearing: both bonuses, next deal (us)" \
    "$(value deal_26_moves_clearing us)" "-" ""
if [ "$web" = yes ]; then
    row "web window, exec to first page shown (ms)" "$(value web shown_ms)" \
        "$(value web_floor shown_ms) bare engine view" "$(value web_floor shown_ms)"
    row "web window, opening to first page shown (ms)" "$(value web open_to_shown_ms)" \
        "$(value web_floor open_to_shown_ms) bare engine view" "$(value web_floor open_to_shown_ms)"
    row "the same, OpenGL set up at start-up instead (ms)" \
        "$(value web_gl_at_start open_to_shown_ms)" "$(value web open_to_shown_ms) as built" \
        "$(value web open_to_shown_ms)"
    row "web window, program memory at first page (kB)" "$(value web rss_kb)" \
        "$(value web_floor rss_kb) bare engine view" "$(value web_floor rss_kb)"
    row "web window, engine helper processes' memory (kB)" "$(value web helpers_rss_kb)" \
        "$(value web_floor helpers_rss_kb) bare engine view" "$(value web_floor helpers_rss_kb)"
fi
echo "| browser engine mapped into vorlina after start-up |" \
    "$(value vorlina webengine_mapped) copies | | |"
echo "| ldd build/vorlina |" \
    "$(awk '$1 == "ldd_vorlina" { $1 = ""; print substr($0, 2) }' "$results") | | |"
