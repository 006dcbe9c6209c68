# Shared by the real-window tests: a private X server with a window manager,
# the program under a time limit, keys through XTEST, and teardown on any exit.
#
#   source "$(dirname "$0")/lib.sh" "$@"     # $1 the sorabun binary, $2 the build folder
#
# Every wait polls with a deadline; a test fails with one line saying why.

set -u -o pipefail

E2E_NAME=$(basename "$0" .sh)
SORABUN=${1:-}
BUILD_DIR=${2:-}

fail()
{
    echo "FAIL $E2E_NAME: $*" >&2
    exit 1
}

[[ -x $SORABUN ]] || fail "no program to run (first argument: '$SORABUN')"
[[ -d $BUILD_DIR ]] || fail "no build folder (second argument: '$BUILD_DIR')"
for tool in Xvfb jwm xdotool import identify convert timeout; do
    command -v "$tool" > /dev/null || fail "$tool is not installed"
done

# xdotool reads its text in the locale's encoding; Japanese needs UTF-8.
export LC_ALL=C.UTF-8
unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb

XVFB_PID=
JWM_PID=
WESTON_PID=
WESTON_DEBUG_PID=
APP_PID=
WATCHDOG_PID=
MAIN_WINDOW=
FOUND_WINDOW=

# The program is killed after this many seconds whatever happens, well inside
# the test's own time limit.
APP_TIME_LIMIT=40

E2E_TMP=$(mktemp -d /tmp/sorabun-e2e.XXXXXX) || fail "cannot make a temporary folder"

e2e_stop()
{
    local pid
    # The program first, so it never sees its X server go away.
    for pid in "$APP_PID" "$WESTON_DEBUG_PID" "$WESTON_PID" "$JWM_PID" "$XVFB_PID" "$WATCHDOG_PID"; do
        [[ -n $pid ]] || continue
        kill "$pid" 2> /dev/null
        wait "$pid" 2> /dev/null
    done
    rm -rf "$E2E_TMP"
}
trap e2e_stop EXIT
trap 'exit 1' INT TERM HUP

E2E_LOG_DIR=$BUILD_DIR/e2e-logs/$E2E_NAME
rm -rf "$E2E_LOG_DIR"
mkdir -p "$E2E_LOG_DIR" || fail "cannot make $E2E_LOG_DIR"
export XDG_RUNTIME_DIR=$E2E_TMP/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
: > "$E2E_TMP/pids"

# If this script is killed outright (a test runner's hard time-out), no trap
# runs; the watchdog then ends what the script started and removes its files.
e2e_start_watchdog()
{
    local script=$$
    (
        trap - EXIT INT TERM HUP
        while kill -0 "$script" 2> /dev/null; do sleep 1; done
        # shellcheck disable=SC2046
        kill $(cat "$E2E_TMP/pids" 2> /dev/null) 2> /dev/null
        sleep 1
        rm -rf "$E2E_TMP"
    ) > /dev/null 2>&1 < /dev/null &
    WATCHDOG_PID=$!
}
e2e_start_watchdog

e2e_remember_pid()
{
    echo "$1" >> "$E2E_TMP/pids"
}

e2e_now_ms()
{
    local now=${EPOCHREALTIME/[.,]/}
    echo $((now / 1000))
}

# Polls "$@" every 0.1 s until it succeeds or $1 seconds have passed.
e2e_poll()
{
    local end=$(($(e2e_now_ms) + $1 * 1000))
    shift
    until "$@"; do
        (($(e2e_now_ms) < end)) || return 1
        sleep 0.1
    done
}

e2e_start_display()
{
    local fd_file=$E2E_TMP/display
    : > "$fd_file"
    # -displayfd: the server picks a free display number and writes it once it
    # accepts connections.
    Xvfb -displayfd 9 -screen 0 1280x1024x24 -nolisten tcp -noreset \
        9> "$fd_file" > "$E2E_LOG_DIR/xvfb.log" 2>&1 < /dev/null &
    XVFB_PID=$!
    e2e_remember_pid "$XVFB_PID"
    e2e_poll 10 test -s "$fd_file" || fail "Xvfb did not start within 10 s (see $E2E_LOG_DIR/xvfb.log)"
    export DISPLAY=:$(head -n1 "$fd_file")
}

e2e_wm_is_up()
{
    if command -v xprop > /dev/null; then
        xprop -root _NET_SUPPORTING_WM_CHECK 2> /dev/null | grep -q 'window id'
        return
    fi
    # Without xprop: jwm's check window carries its pid.
    xdotool search --pid "$JWM_PID" > /dev/null 2>&1
}

e2e_start_wm()
{
    # Click to focus, so the pointer's resting place never moves the focus.
    cat > "$E2E_TMP/jwmrc" << 'EOF'
<?xml version="1.0"?>
<JWM>
    <FocusModel>click</FocusModel>
</JWM>
EOF
    jwm -f "$E2E_TMP/jwmrc" > "$E2E_LOG_DIR/jwm.log" 2>&1 < /dev/null &
    JWM_PID=$!
    e2e_remember_pid "$JWM_PID"
    e2e_poll 10 e2e_wm_is_up || fail "jwm did not announce itself within 10 s (see $E2E_LOG_DIR/jwm.log)"
}

# The X server and the window manager, ready for a window.
e2e_start_session()
{
    e2e_start_display
    e2e_start_wm
}

# Visible windows whose title is exactly $1 (xdotool's own name match ignores
# case, and "sorabun" must not find "Sorabun"), other than those in $2...
e2e_windows_titled()
{
    local title=$1
    shift
    local id name known
    for id in $(xdotool search --onlyvisible --name '.' 2> /dev/null); do
        for known in "$@"; do
            [[ $id == "$known" ]] && continue 2
        done
        name=$(xdotool getwindowname "$id" 2> /dev/null) || continue
        [[ $name == "$title" ]] && echo "$id"
    done
}

e2e_find_window()
{
    local ids
    ids=$(e2e_windows_titled "$@")
    [[ -n $ids ]] || return 1
    FOUND_WINDOW=$(head -n1 <<< "$ids")
}

# Waits for a new visible window titled exactly $2, ignoring the windows in
# $3...; its id lands in FOUND_WINDOW.
e2e_wait_window()
{
    local deadline=$1
    shift
    FOUND_WINDOW=
    e2e_poll "$deadline" e2e_find_window "$@"
}

e2e_window_visible()
{
    xdotool search --onlyvisible --name '.' 2> /dev/null | grep -qx "$1"
}

e2e_window_gone()
{
    ! e2e_window_visible "$1"
}

e2e_app_running()
{
    kill -0 "$APP_PID" 2> /dev/null
}

e2e_app_ended()
{
    ! e2e_app_running
}

# Starts the program and waits for its main window with the waiter $1
# (e2e_wait_window or e2e_wl_wait_window); its id lands in MAIN_WINDOW. $2 says
# where the window was looked for, in the failure.
e2e_launch_app()
{
    local waiter=$1 where=$2
    timeout "$APP_TIME_LIMIT" "$SORABUN" > "$E2E_LOG_DIR/sorabun.log" 2>&1 < /dev/null &
    APP_PID=$!
    e2e_remember_pid "$APP_PID"
    if ! "$waiter" 10 Sorabun; then
        e2e_app_running || fail "sorabun ended before showing its window (see $E2E_LOG_DIR/sorabun.log)"
        fail "no window titled 'Sorabun'$where within 10 s"
    fi
    MAIN_WINDOW=$FOUND_WINDOW
}

# Starts the program on the X server and activates its main window.
e2e_start_app()
{
    e2e_launch_app e2e_wait_window ""
    e2e_activate "$MAIN_WINDOW"
}

e2e_is_active()
{
    [[ $(xdotool getactivewindow 2> /dev/null) == "$1" ]]
}

e2e_activate()
{
    timeout 5 xdotool windowactivate --sync "$1" > /dev/null 2>&1
    e2e_poll 5 e2e_is_active "$1" || fail "window $1 did not become active within 5 s"
}

# Keys go to whatever has the focus, as a person's would.
e2e_keys()
{
    xdotool key --delay 80 "$@" || fail "xdotool could not press: $*"
}

e2e_type()
{
    xdotool type --delay 60 -- "$1" || fail "xdotool could not type: $1"
}

# Waits for the program to end and checks it ended by itself with status 0.
e2e_expect_exit()
{
    local deadline=${1:-5} status
    e2e_poll "$deadline" e2e_app_ended || fail "sorabun still running ${deadline} s after it was told to close"
    wait "$APP_PID"
    status=$?
    APP_PID=
    ((status == 124)) && fail "sorabun was killed by its ${APP_TIME_LIMIT} s time limit"
    ((status == 0)) || fail "sorabun ended with status $status (see $E2E_LOG_DIR/sorabun.log)"
}

e2e_screenshot()
{
    import -window root "$1" 2> /dev/null || fail "could not take a screenshot into $1"
}

# Pixels of the window near the colour of a selected list row (Fusion's
# highlight, drawn as a slight gradient).
e2e_selection_pixels()
{
    local shot=$E2E_TMP/selection.png
    import -window "$1" "$shot" 2> /dev/null || return 1
    convert "$shot" -fuzz 10% -fill black +opaque '#308CC6' -fill white -opaque '#308CC6' \
        -format '%[fx:round(mean*w*h)]' info: 2> /dev/null
}

e2e_has_selection()
{
    local count
    count=$(e2e_selection_pixels "$1") || return 1
    ((count >= 2000))
}

# Writes the file $1 with exactly the bytes $2.
e2e_write()
{
    printf '%s' "$2" > "$1" || fail "cannot write $1"
}

# The names in folder $1, one a line, sorted bytewise.
e2e_list_dir()
{
    (cd "$1" && LC_ALL=C ls -A)
}

# Native Wayland: weston's X11 back end draws its whole desktop into one X
# window of the private X server, and keys pressed there with xdotool reach the
# Wayland client that has weston's keyboard focus. xdotool sees none of the
# client's windows, so the Wayland helpers below watch weston itself: the scene
# graph for the windows and their titles, the protocol dump for the keyboard
# focus. Call e2e_start_display first.
WESTON_SOCKET=sorabun-e2e
WESTON_WINDOW=
WESTON_PROTO=

e2e_weston_window()
{
    WESTON_WINDOW=$(xdotool search --onlyvisible --class '^Weston Compositor$' 2> /dev/null | head -n1)
    [[ -n $WESTON_WINDOW ]]
}

e2e_weston_debug_bound()
{
    [[ -s $WESTON_PROTO ]]
}

e2e_start_weston()
{
    command -v weston > /dev/null || fail "weston is not installed"
    command -v weston-debug > /dev/null || fail "weston-debug is not installed"
    # Without the fades a window closes at once; during weston's close fade
    # (about a second) the window below is not active yet and keys are lost.
    # No input method: weston's on-screen keyboard would cover the window.
    cat > "$E2E_TMP/weston.ini" << 'EOF'
[core]
idle-time=0

[shell]
animation=none
close-animation=none
startup-animation=none
focus-animation=none
locking=false

[input-method]
path=
EOF
    # --idle-time=0: weston otherwise locks after 300 s and activates nothing again.
    weston --backend=x11-backend.so --use-pixman --width=1024 --height=768 \
        --idle-time=0 --config="$E2E_TMP/weston.ini" --socket="$WESTON_SOCKET" --debug \
        > "$E2E_LOG_DIR/weston.log" 2>&1 < /dev/null &
    WESTON_PID=$!
    e2e_remember_pid "$WESTON_PID"
    e2e_poll 10 test -S "$XDG_RUNTIME_DIR/$WESTON_SOCKET" ||
        fail "weston did not open its socket within 10 s (see $E2E_LOG_DIR/weston.log)"
    e2e_poll 10 e2e_weston_window || fail "weston showed no X window within 10 s (see $E2E_LOG_DIR/weston.log)"
    export WAYLAND_DISPLAY=$WESTON_SOCKET
    export QT_QPA_PLATFORM=wayland

    # The dump covers only what happens while someone listens, so it starts
    # before the program does.
    WESTON_PROTO=$E2E_LOG_DIR/weston-proto.log
    weston-debug proto > "$WESTON_PROTO" 2> /dev/null < /dev/null &
    WESTON_DEBUG_PID=$!
    e2e_remember_pid "$WESTON_DEBUG_PID"
    e2e_poll 10 e2e_weston_debug_bound || fail "weston-debug gave no protocol dump within 10 s"

    # No X window manager: the X focus is set directly, once.
    timeout 5 xdotool windowfocus --sync "$WESTON_WINDOW" > /dev/null 2>&1 ||
        fail "could not give weston's X window the focus"
}

e2e_wl_scene()
{
    timeout 5 weston-debug scene-graph 2> /dev/null
}

# The surface id of the top-level window titled exactly $1.
e2e_wl_surface_titled()
{
    e2e_wl_scene | grep -F "top-level window '$1' of " |
        sed -n 's/.*role xdg_toplevel, PID [0-9]*, surface ID \([0-9]*\),.*/\1/p' | head -n1
}

e2e_wl_find_window()
{
    FOUND_WINDOW=$(e2e_wl_surface_titled "$1")
    [[ -n $FOUND_WINDOW ]]
}

# Waits for a top-level window titled exactly $2; its surface id lands in FOUND_WINDOW.
e2e_wl_wait_window()
{
    FOUND_WINDOW=
    e2e_poll "$1" e2e_wl_find_window "$2"
}

# Gone only from a scene graph that weston did give: an empty answer proves nothing.
e2e_wl_window_gone()
{
    local scene
    scene=$(e2e_wl_scene)
    [[ $scene == *'Weston scene graph'* ]] || return 1
    ! grep -q "role xdg_toplevel, PID [0-9]*, surface ID $1," <<< "$scene"
}

# The program's client in the protocol dump, known by the title of its main window.
e2e_wl_client()
{
    grep -F 'set_title("Sorabun")' "$WESTON_PROTO" | head -n1 | sed -n 's/.* client \(0x[0-9a-f]*\) .*/\1/p'
}

# True when the program's last keyboard focus event is an enter into surface $1.
e2e_wl_has_keyboard()
{
    local client last
    client=$(e2e_wl_client)
    [[ -n $client ]] || return 1
    last=$(grep -E "client $client ev wl_keyboard@[0-9]+\.(enter|leave)\(" "$WESTON_PROTO" | tail -n1)
    [[ $last == *".enter("*", wl_surface@$1, "* ]]
}

# Starts the program on weston and waits until its main window has the
# keyboard; its surface id lands in MAIN_WINDOW.
e2e_start_wayland_app()
{
    e2e_launch_app e2e_wl_wait_window " on weston"
    e2e_poll 5 e2e_wl_has_keyboard "$MAIN_WINDOW" || fail "the main window did not get weston's keyboard within 5 s"
}
