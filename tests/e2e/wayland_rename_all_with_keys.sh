#!/bin/bash
# rename_all_with_keys on native Wayland (weston): Enter / name / Enter for every
# file in list order. Wayland gives the activation back to the main window only
# when the compositor decides, so this shows that the list still holds the
# focus and the next entry after every rename without any help from the window
# system.
source "$(dirname "$0")/lib.sh" "$@"

# The folder's path is typed, and weston's X11 back end only knows the keys of
# the X server's keymap at its start, not the ones xdotool adds for other
# characters: the folder is ASCII, the files are not.
dir=$E2E_TMP/photos
mkdir "$dir" || fail "cannot make $dir"
e2e_write "$dir/夏休み1.jpg" 1
e2e_write "$dir/夏休み2.jpg" 2
e2e_write "$dir/夏休み3.jpg" 3

e2e_start_display
e2e_start_weston
e2e_start_wayland_app

e2e_keys Tab space             # 自動連番 on
e2e_keys Tab Tab Tab Tab       # list, rename, close, directory field
e2e_type "$dir"
e2e_keys Tab space             # scan: the list takes the focus, first entry selected
e2e_poll 10 e2e_has_selection "$WESTON_WINDOW" || fail "no selected row in the list within 10 s of the scan"

title=リネームするぞっ！
for round in 1 2 3; do
    e2e_keys Return
    e2e_wl_wait_window 10 "$title" || fail "rename $round: no window titled '$title' within 10 s of Enter in the list"
    dialog=$FOUND_WINDOW
    e2e_poll 5 e2e_wl_has_keyboard "$dialog" || fail "rename $round: the rename dialog is shown but has no keyboard"
    e2e_type trip
    e2e_keys Return
    if ! e2e_poll 5 e2e_wl_window_gone "$dialog"; then
        e2e_wl_find_window sorabun && fail "rename $round: a message box came up instead of the rename"
        fail "rename $round: the rename dialog is still shown 5 s after Enter"
    fi
    e2e_poll 5 e2e_wl_has_keyboard "$MAIN_WINDOW" || fail "rename $round: the main window did not get the keyboard back after the dialog"
done

e2e_keys Escape
e2e_poll 5 e2e_wl_window_gone "$MAIN_WINDOW" || fail "the main window is still shown 5 s after Escape"
# Qt 6.4's Wayland teardown could hang once the window had gone; the program
# ends without it there, so a process left behind is a fault again.
e2e_expect_exit 5

expected=$'01 trip.jpg\n02 trip.jpg\n03 trip.jpg'
actual=$(e2e_list_dir "$dir")
[[ $actual == "$expected" ]] || fail "the folder holds [${actual//$'\n'/, }], not [${expected//$'\n'/, }]"
for n in 1 2 3; do
    content=$(< "$dir/0$n trip.jpg")
    [[ $content == "$n" ]] || fail "'0$n trip.jpg' holds '$content', not '$n' (renamed out of list order)"
done
# Qt's Wayland plugin warns when the program asks for what Wayland does not
# give, such as activating its own window.
warnings=$(grep -m3 '^qt\.qpa\.wayland' "$E2E_LOG_DIR/sorabun.log")
[[ -z $warnings ]] || fail "Qt's Wayland plugin warned: ${warnings//$'\n'/ | }"
echo "PASS $E2E_NAME"
