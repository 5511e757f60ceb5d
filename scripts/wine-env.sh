# Shared by the Wine wrapper and the run scripts: a display and a ready Wine prefix.
# Expects WINEPREFIX to be set.

# Without a display, start one virtual X server per machine and leave it for later runs; the test
# script stops it at the end. Its output goes nowhere so that it never holds a caller's pipe open.
torva_ensure_display() {
    if [ -n "${DISPLAY:-}" ]; then return 0; fi
    local num="${TORVA_XVFB_DISPLAY:-97}"
    if [ ! -e "/tmp/.X11-unix/X${num}" ]; then
        setsid Xvfb ":${num}" -screen 0 1280x1024x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
        for _ in $(seq 1 50); do
            [ -e "/tmp/.X11-unix/X${num}" ] && break
            sleep 0.1
        done
    fi
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
