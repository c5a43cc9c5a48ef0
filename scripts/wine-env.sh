# Shared settings for running Wine in this project. Sourced, not run.

SONVERA_REPO=${SONVERA_REPO:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
export WINEPREFIX=${SONVERA_WINEPREFIX:-$SONVERA_REPO/.cache/wine-prefix}
# SONVERA_DPI=144 runs in a prefix of its own whose screen is at that scale
# (144 is 150 %): Wine refuses a per-monitor scale but takes the system's.
if [[ -n ${SONVERA_DPI:-} && $SONVERA_DPI != 96 ]]; then
    WINEPREFIX="$WINEPREFIX-${SONVERA_DPI}dpi"
fi
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export LC_ALL=ru_RU.UTF-8
export LANG=ru_RU.UTF-8

source "$SONVERA_REPO/scripts/machine.sh"

# Whether 32-bit Wine is installed and starts. Where it does not, Debian's
# wine wrapper, which prefers the 32-bit loader, fails for every program, and
# only 64-bit Windows programs can run, through the 64-bit loader.
sonvera_runs_32bit() {
    [[ -x /usr/lib/wine/wine ]] && /usr/lib/wine/wine --version >/dev/null 2>&1
}

# Why the 32-bit programs are not run here: a machine limit or a missing install.
sonvera_why_no_32bit() {
    if ! sonvera_kernel_runs_32bit; then
        echo "this machine's kernel refuses 32-bit programs (and with them 32-bit Wine)"
    elif ! dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q 'install ok installed'; then
        echo "32-bit Wine could not be installed (scripts/install-deps said why)"
    else
        echo "32-bit Wine is installed but does not start (/usr/lib/wine/wine --version fails)"
    fi
}
if [[ -z ${SONVERA_WINE:-} ]]; then
    if sonvera_runs_32bit || [[ ! -x /usr/lib/wine/wine64 ]]; then
        SONVERA_WINE=wine
    else
        SONVERA_WINE=/usr/lib/wine/wine64
        export WINELOADER=$SONVERA_WINE
    fi
fi
SONVERA_WINESERVER=${SONVERA_WINESERVER:-$(command -v wineserver || echo /usr/lib/wine/wineserver)}

# Whether the prefix is made and fits the Wine that is installed. A prefix
# made while only 64-bit Wine was there has an empty syswow64 and cannot start
# 32-bit programs ("could not load kernel32.dll") once 32-bit Wine appears.
sonvera_prefix_ready() {
    [[ -f $WINEPREFIX/.sonvera-ready-4 ]] || return 1
    [[ -f $WINEPREFIX/drive_c/windows/syswow64/kernel32.dll ]] || ! sonvera_runs_32bit
}

# Creates the prefix once (again, when 32-bit Wine has come since); later
# calls only check. A lock keeps two parallel first uses from racing, which a
# fresh prefix does not survive.
sonvera_prepare_prefix() {
    local marker="$WINEPREFIX/.sonvera-ready-4"
    sonvera_prefix_ready && return 0
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
        flock 9
        sonvera_prefix_ready && exit 0
        if [[ -f $marker ]]; then
            echo "32-bit Wine is here now: making the Wine prefix again, with it" >&2
            "$SONVERA_WINESERVER" -k >/dev/null 2>&1
            rm -rf "$WINEPREFIX"
        fi
        echo "Creating the Wine prefix in $WINEPREFIX (once)..." >&2
        local started_xvfb=
        if [[ -z ${DISPLAY:-} ]]; then
            sonvera_start_xvfb || exit 1
            started_xvfb=1
        fi
        "$SONVERA_WINE" wineboot -i >/dev/null 2>&1
        "$SONVERA_WINESERVER" -w
        # A crashing test must fail, not wait for someone to close a dialog.
        "$SONVERA_WINE" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
        # Map the classic faces onto installed metric-compatible fonts.
        "$SONVERA_WINE" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Courier New' /t REG_SZ /d 'Liberation Mono' /f >/dev/null 2>&1
        "$SONVERA_WINE" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Arial' /t REG_SZ /d 'Liberation Sans' /f >/dev/null 2>&1
        "$SONVERA_WINE" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' /t REG_SZ /d 'Liberation Serif' /f >/dev/null 2>&1
        "$SONVERA_WINE" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Arial Narrow' /t REG_SZ /d 'Liberation Sans Narrow' /f >/dev/null 2>&1
        # Windows stay managed as on a desktop; an earlier prefix may say otherwise.
        "$SONVERA_WINE" reg delete 'HKCU\Software\Wine\X11 Driver' /v Managed /f >/dev/null 2>&1
        if [[ -n ${SONVERA_DPI:-} && $SONVERA_DPI != 96 ]]; then
            "$SONVERA_WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$SONVERA_DPI" /f >/dev/null 2>&1
        fi
        "$SONVERA_WINESERVER" -w
        if [[ -n $started_xvfb ]]; then sonvera_stop_xvfb; fi
        touch "$marker"
    ) 9>"$WINEPREFIX.lock"
}

# Starts Xvfb on the first free display number, with a window manager beside
# it, and exports DISPLAY.
sonvera_start_xvfb() {
    local number
    for number in $(seq 90 140); do
        [[ -e /tmp/.X$number-lock || -e /tmp/.X11-unix/X$number ]] && continue
        Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        SONVERA_XVFB_PID=$!
        local tries
        for tries in $(seq 1 50); do
            if [[ -e /tmp/.X11-unix/X$number ]]; then
                export DISPLAY=":$number"
                sonvera_start_wm
                return 0
            fi
            kill -0 "$SONVERA_XVFB_PID" 2>/dev/null || break
            sleep 0.1
        done
        kill "$SONVERA_XVFB_PID" 2>/dev/null
        wait "$SONVERA_XVFB_PID" 2>/dev/null
    done
    echo "wine-run: could not start Xvfb" >&2
    return 1
}

# Openbox, set up by scripts/openbox-rc.xml. Without a window manager Wine
# waits two seconds every time a shown window is hidden or destroyed. Returns
# once the manager has taken the screen, so that the first window is managed;
# without openbox, or when it fails, the display goes on unmanaged, only slower.
sonvera_start_wm() {
    SONVERA_WM_PID=
    if ! command -v openbox >/dev/null; then
        echo "wine-env: openbox is missing (scripts/install-deps installs it); windows will be slow to close" >&2
        return 0
    fi
    openbox --sm-disable --config-file "$SONVERA_REPO/scripts/openbox-rc.xml" >/dev/null 2>&1 &
    SONVERA_WM_PID=$!
    local tries
    for tries in $(seq 1 200); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        kill -0 "$SONVERA_WM_PID" 2>/dev/null || break
        sleep 0.05
    done
    echo "wine-env: openbox did not start; going on without a window manager" >&2
    sonvera_stop_wm
}

sonvera_stop_wm() {
    if [[ -n ${SONVERA_WM_PID:-} ]]; then
        kill "$SONVERA_WM_PID" 2>/dev/null
        wait "$SONVERA_WM_PID" 2>/dev/null
        SONVERA_WM_PID=
    fi
}

sonvera_stop_xvfb() {
    sonvera_stop_wm
    if [[ -n ${SONVERA_XVFB_PID:-} ]]; then
        kill "$SONVERA_XVFB_PID" 2>/dev/null
        wait "$SONVERA_XVFB_PID" 2>/dev/null
        SONVERA_XVFB_PID=
    fi
}
