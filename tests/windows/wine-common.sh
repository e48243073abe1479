# Shared by the Wine checks: a real X server, and waiting for a window. Sourced, not run.

# Re-runs the calling script on a fresh Xvfb unless there is an X server already.
keymint_need_display() {
    if [ -z "${DISPLAY:-}" ]; then
        exec xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24" "$0" "$@"
    fi
}

# Prints the X id of the window named exactly $1, waiting up to $2 seconds for it.
keymint_wait_for_window() {
    local name=$1 seconds=$2 window _
    for _ in $(seq 1 $((seconds * 10))); do
        window=$(xdotool search --onlyvisible --name "^$name\$" 2>/dev/null | head -n 1 || true)
        if [ -n "$window" ]; then
            echo "$window"
            return 0
        fi
        sleep 0.1
    done
    echo "no window \"$name\" within $seconds s" >&2
    return 1
}
