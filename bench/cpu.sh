#!/usr/bin/env bash
# The processor the program uses while it animates, run by hand:
#   bash bench/cpu.sh PROGRAM [RUNS]
# starts PROGRAM under Xvfb (1280 × 1024 × 24, no window manager), opens the
# driven string (no end, traces, sine), measures the share of one core the
# program uses over 10 s (all its threads' run time, in ns, from
# /proc/PID/task/*/schedstat), then opens and starts the
# reflection and the eigenmodes beside it and measures again. Prints each run
# and the median of RUNS runs (3 by default). With CPU_PROFILE=FILE set, the
# last measure of the three together also records a profile (perf record -g).
set -euo pipefail
program=$(realpath "$1")
runs=${2:-3}
work=$(mktemp -d)
xvfb=
app=
cleanup() {
    [[ -n $app ]] && kill "$app" 2>/dev/null || true
    [[ -n $xvfb ]] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
read -r -t 10 display <"$work/display"
export DISPLAY=":$display" QT_QPA_PLATFORM=xcb

# The window named $1, once shown.
window() {
    for _ in $(seq 100); do
        xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 && return 0
        sleep 0.1
    done
    echo "no window $1" >&2
    exit 1
}
# A click at twips ($2, $3) of window $1's client area (15 twips a pixel),
# raised first: the windows overlap.
click() {
    xdotool windowraise "$1"
    sleep 0.2
    xdotool mousemove --window "$1" $(($2 / 15)) $(($3 / 15)) click 1
    sleep 0.5
}
# Run time of all the program's threads so far, ns. Finer than the 10 ms
# ticks of /proc/PID/stat, which make a 1 % share over 10 s only 10 ticks.
runtime() { cat "/proc/$app/task/"*/schedstat | awk '{s += $1} END {printf "%d", s}'; }
# Share of one core, %, used by the program over 10 s.
cpu() {
    local before after
    before=$(runtime)
    sleep 10
    after=$(runtime)
    awk -v t="$((after - before))" 'BEGIN {printf "%.2f", 100 * t / 1e9 / 10}'
}
median() { printf '%s\n' "$@" | sort -g | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }

alone=()
together=()
for run in $(seq "$runs"); do
    "$program" >/dev/null 2>&1 &
    app=$!
    home=$(window "Vellane à une dimension")
    click "$home" 8640 5640 # "Démarrer": the driven string
    vibreur=$(xdotool search --onlyvisible --name '.' | while read -r id; do
        eval "$(xdotool getwindowgeometry --shell "$id")"
        [[ $WIDTH == 800 && $HEIGHT == 568 ]] && echo "$id"
    done | head -1)
    click "$vibreur" 500 3127  # "pas d'extrémité"
    click "$vibreur" 3847 6727 # traces
    click "$vibreur" 5647 7747 # "Excitation sinusoïdale"
    sleep 2
    alone+=("$(cpu)")
    click "$home" 4000 3100 # the reflection's title, then "Démarrer", then "animer"
    click "$home" 8640 5640
    click "$(window 'Superposition')" 4207 8107
    click "$home" 4000 4300 # the eigenmodes' title, "Démarrer", "animer"
    click "$home" 8640 5640
    click "$(window 'corde vibrante')" 4627 8227
    sleep 2
    profiler=
    if [[ -n ${CPU_PROFILE:-} ]]; then
        perf record -g -o "$CPU_PROFILE" -p "$app" -- sleep 10 >/dev/null 2>&1 &
        profiler=$!
    fi
    together+=("$(cpu)")
    [[ -z $profiler ]] || wait "$profiler"
    echo "run $run: driven string alone ${alone[-1]} %, three together ${together[-1]} %"
    kill "$app"
    wait "$app" 2>/dev/null || true
    app=
done
echo "median of $runs: driven string alone $(median "${alone[@]}") %, three together $(median "${together[@]}") %"
