#!/bin/bash
# The whole job by keyboard: numbering on, scan, then Enter / name / Enter for
# every file in list order. Each rename must select the next entry, or the
# second Enter would rename the first file again.
source "$(dirname "$0")/lib.sh" "$@"

dir=$E2E_TMP/夏休みの写真
mkdir "$dir" || fail "cannot make $dir"
e2e_write "$dir/夏休み1.jpg" 1
e2e_write "$dir/夏休み2.jpg" 2
e2e_write "$dir/夏休み3.jpg" 3

e2e_start_session
e2e_start_app

e2e_keys Tab space             # 自動連番 on
e2e_keys Tab Tab Tab Tab       # list, rename, close, directory field
e2e_type "$dir"
e2e_keys Tab space             # scan: the list takes the focus, first entry selected
e2e_poll 10 e2e_has_selection "$MAIN_WINDOW" || fail "no selected row in the list within 10 s of the scan"

title=リネームするぞっ！
for round in 1 2 3; do
    e2e_keys Return
    e2e_wait_window 10 "$title" "$MAIN_WINDOW" || fail "rename $round: no window titled '$title' within 10 s of Enter in the list"
    dialog=$FOUND_WINDOW
    e2e_poll 5 e2e_is_active "$dialog" || fail "rename $round: the rename dialog is shown but not active"
    e2e_type trip
    e2e_keys Return
    if ! e2e_poll 5 e2e_window_gone "$dialog"; then
        e2e_find_window sorabun "$MAIN_WINDOW" "$dialog" && fail "rename $round: a message box came up instead of the rename"
        fail "rename $round: the rename dialog is still shown 5 s after Enter"
    fi
    e2e_poll 5 e2e_is_active "$MAIN_WINDOW" || fail "rename $round: the main window did not become active again after the dialog"
done

e2e_keys Escape
e2e_expect_exit 5

expected=$'01 trip.jpg\n02 trip.jpg\n03 trip.jpg'
actual=$(e2e_list_dir "$dir")
[[ $actual == "$expected" ]] || fail "the folder holds [${actual//$'\n'/, }], not [${expected//$'\n'/, }]"
for n in 1 2 3; do
    content=$(< "$dir/0$n trip.jpg")
    [[ $content == "$n" ]] || fail "'0$n trip.jpg' holds '$content', not '$n' (renamed out of list order)"
done
echo "PASS $E2E_NAME"
