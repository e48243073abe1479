#!/usr/bin/env bash
# Keymint's start-up against a bare Qt program with one empty window of the same size, in the
# same run on one Xvfb server: time from process start until its window is mapped, and the
# peak resident memory (VmHWM) once it is. bare-text is the bare window with one line of text.
# With --windows, Keymint.exe and the bare window built with the same static Qt, under Wine,
# from a Windows build folder (scripts/windows.sh makes build-windows and its Wine prefix).
#   bash bench/startup-vs-bare.sh [--windows] [build-dir] [runs]
set -euo pipefail
if [ -z "${KEYMINT_BENCH_INNER:-}" ]; then
    export KEYMINT_BENCH_INNER=1
    exec xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24 -noreset" "$0" "$@"
fi
windows=""
[ "${1:-}" = --windows ] && windows=1 && shift
build=$(cd "${1:-build}" && pwd)
runs=${2:-20}
if [ -n "$windows" ]; then
    cmake --build "$build" --target bare_window >/dev/null
    keymint=(wine "$build/Keymint.exe") # a Windows build keeps its programs at the top
    bare=(wine "$build/bare_window.exe")
    export WINEPREFIX=${WINEPREFIX:-$build/wineprefix} WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    unset QT_QPA_PLATFORM
    wineserver --persistent # the Wine server outlives each run, as it does on a desktop
else
    keymint=("$build/app/keymint")
    bare=("$build/bench/bare_window")
    export QT_QPA_PLATFORM=xcb
fi
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
cd "$XDG_RUNTIME_DIR"

# One X connection watches the root window for windows being mapped, so that waiting for
# the window costs the programs under test nothing.
coproc WATCH { stdbuf -oL xev -root -event substructure 2>/dev/null; }
sleep 0.5

# One start: prints "<milliseconds> <peak KiB>". Under Wine other windows may be mapped too;
# the time is that of the window with the program's title.
measure() {
    local start pid line elapsed now window
    start=$(date +%s%N)
    "$@" &
    pid=$!
    while read -r -t 60 line <&"${WATCH[0]}"; do
        [[ $line == MapNotify* ]] || continue
        now=$(date +%s%N)
        read -r line <&"${WATCH[0]}"
        window=$(grep -o 'window 0x[0-9a-f]*' <<<"$line" | cut -d' ' -f2)
        [[ $(xdotool getwindowname "$window" 2>/dev/null) == @(Tumblekey|Bare) ]] && break
    done
    elapsed=$(( (now - start) / 1000 ))
    echo "$((elapsed / 1000)).$(printf '%03d' $((elapsed % 1000))) $(awk '/VmHWM/ {print $2}' /proc/$pid/status)"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# Alternate the two programs, so that both see the same machine.
measure "${keymint[@]}" >/dev/null # warm the caches once for all
measure "${bare[@]}" >/dev/null
: >keymint.txt
: >bare.txt
: >bare-text.txt
for _ in $(seq 1 "$runs"); do
    measure "${keymint[@]}" >>keymint.txt
    measure "${bare[@]}" >>bare.txt
    measure "${bare[@]}" --text >>bare-text.txt
done

for name in keymint bare bare-text; do
    ms=$(cut -d' ' -f1 "$name.txt" | median)
    kib=$(cut -d' ' -f2 "$name.txt" | median)
    printf '%-9s start to window shown: median %s ms; peak memory: median %s KiB (%s runs)\n' \
        "$name" "$ms" "$kib" "$runs"
done
ratio() {
    awk -v name="$2" 'NR == FNR { k[FNR] = $1; km[FNR] = $2; next } { b[FNR] = $1; bm[FNR] = $2 }
        END { for (i = 1; i <= FNR; i++) { st += k[i]; sb += b[i]; mk += km[i]; mb += bm[i] }
              printf "keymint / %s: time %.2f, memory %.2f (ratio of means)\n", name, st / sb, mk / mb }' \
        keymint.txt "$1"
}
ratio bare.txt bare
ratio bare-text.txt bare-text
kill "$WATCH_PID" 2>/dev/null || true
[ -z "$windows" ] || wineserver --kill
