# shellcheck shell=bash
# Shared by the Wine wrapper and the run scripts: a display and a ready Wine prefix.
# Expects WINEPREFIX to be set.

# A display is usable when its socket is there and the server that holds its lock file still runs.
# A server killed without its clean-up leaves both files behind; the socket alone would send every
# window of a test run to a display that nobody serves. A new server removes such leftovers itself.
torva_display_alive() {
    local num="$1" pid
    [ -S "/tmp/.X11-unix/X${num}" ] || return 1
    pid="$(tr -dc '0-9' <"/tmp/.X${num}-lock" 2>/dev/null)" || return 1
    [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null
}

# Starts a virtual X server on display number $1 unless one is there already. TORVA_STARTED_XVFB_PID
# is then the process id of the server this call started, or empty when it started none: whoever
# started a server stops it by that id, and a server someone else started is left alone. Its output
# goes nowhere so that it never holds a caller's pipe open.
torva_start_display() {
    local num="$1"
    TORVA_STARTED_XVFB_PID=""
    torva_display_alive "$num" && return 0
    # Without job control the background child is no process group leader, so setsid runs the
    # server in this very process: $! is the server's own id.
    setsid Xvfb ":${num}" -screen 0 1280x1024x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
    TORVA_STARTED_XVFB_PID=$!
    for _ in $(seq 1 100); do
        torva_display_alive "$num" && return 0
        kill -0 "$TORVA_STARTED_XVFB_PID" 2>/dev/null || break
        sleep 0.1
    done
    # Another caller may have started the same display a moment earlier; ours then gave up.
    if ! kill -0 "$TORVA_STARTED_XVFB_PID" 2>/dev/null; then
        TORVA_STARTED_XVFB_PID=""
        torva_display_alive "$num" && return 0
    fi
    echo "Xvfb :${num} did not come up" >&2
    return 1
}

# Stops a server torva_start_display started (by its process id) and returns once it is gone: a
# run that follows at once must not find the dying display still answering and take it for its own.
torva_stop_display() {
    local pid="$1"
    [ -n "$pid" ] || return 0
    kill "$pid" 2>/dev/null || return 0
    for _ in $(seq 1 50); do
        kill -0 "$pid" 2>/dev/null || return 0
        sleep 0.1
    done
    kill -9 "$pid" 2>/dev/null || true
}

# Without a display, use the virtual one numbered TORVA_XVFB_DISPLAY (97 by default), starting it
# when missing and leaving it for later runs (the test script starts and stops its own).
torva_ensure_display() {
    if [ -n "${DISPLAY:-}" ]; then return 0; fi
    local num="${TORVA_XVFB_DISPLAY:-97}"
    torva_start_display "$num"
    export DISPLAY=":${num}"
}

# A fresh prefix takes several seconds; concurrent first runs wait for one another on a lock.
torva_ensure_prefix() {
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
        flock 9
        if [ ! -f "$WINEPREFIX/.torva-ready" ]; then
            wineboot -i </dev/null >/dev/null 2>&1
            wineserver -w
            # Japanese text in message boxes and labels needs a CJK font behind the usual face names.
            local reg="$WINEPREFIX/torva-fonts.reg"
            { printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE <<'REG'; } >"$reg"
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"ＭＳ 明朝"="IPAMincho"
"ＭＳ Ｐゴシック"="IPAPGothic"
"ＭＳ ゴシック"="IPAGothic"
"MS UI Gothic"="IPAPGothic"
"MS Shell Dlg"="IPAPGothic"
"MS Shell Dlg 2"="IPAPGothic"
"Tahoma"="IPAPGothic"
REG
            wine regedit /S "$reg" </dev/null >/dev/null 2>&1
            wineserver -w
            touch "$WINEPREFIX/.torva-ready"
        fi
    ) 9>"$WINEPREFIX.lock"
}
