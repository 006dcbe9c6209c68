#!/bin/bash
# The photo workflow by keyboard: list a folder whose names sort otherwise
# than their times, TimeSort, numbering on, then Enter / name / Enter for every
# file; the numbers must follow the times. Then the About box from the Help
# menu by its access keys.
source "$(dirname "$0")/lib.sh" "$@"

dir=$E2E_TMP/旅行の写真
mkdir "$dir" || fail "cannot make $dir"
# By name: a, b, c. By time: c (oldest), a, b.
e2e_write "$dir/a.jpg" a
e2e_write "$dir/b.jpg" b
e2e_write "$dir/c.jpg" c
touch -d '2026-07-02 10:00:00' "$dir/a.jpg"
touch -d '2026-07-03 10:00:00' "$dir/b.jpg"
touch -d '2026-07-01 10:00:00' "$dir/c.jpg"

e2e_start_session
e2e_start_app

e2e_keys Tab space             # 自動連番 on
e2e_keys Tab Tab Tab Tab       # list, rename, close, directory field
e2e_type "$dir"
e2e_keys Tab space             # scan: the list takes the focus
e2e_poll 10 e2e_has_selection "$MAIN_WINDOW" || fail "no selected row in the list within 10 s of the scan"
# From the list to TimeSort: 1006, 2, 1004, 1005, 1018, 1019, 1025.
e2e_keys Tab Tab Tab Tab Tab Tab Tab space
no_selection() { ! e2e_has_selection "$1"; }
e2e_poll 5 no_selection "$MAIN_WINDOW" || fail "an entry is still selected after TimeSort"
# Back to the list (1015, 1003, 1000): its focus rule selects the first entry.
e2e_keys Tab Tab Tab
e2e_poll 5 e2e_has_selection "$MAIN_WINDOW" || fail "no entry selected when the list got the focus"

title=リネームするぞっ！
for round in 1 2 3; do
    e2e_keys Return
    e2e_wait_window 10 "$title" "$MAIN_WINDOW" || fail "rename $round: no window titled '$title'"
    dialog=$FOUND_WINDOW
    e2e_poll 5 e2e_is_active "$dialog" || fail "rename $round: the rename dialog is not active"
    e2e_type photo
    e2e_keys Return
    e2e_poll 5 e2e_window_gone "$dialog" || fail "rename $round: the rename dialog is still shown"
    e2e_poll 5 e2e_is_active "$MAIN_WINDOW" || fail "rename $round: the main window did not become active again"
done

e2e_keys alt+h v
e2e_wait_window 10 "ﾊﾞｰｼﾞｮﾝ情報 Sorabun" "$MAIN_WINDOW" || fail "Alt+H, V opened no About box"
about=$FOUND_WINDOW
e2e_keys Return
e2e_poll 5 e2e_window_gone "$about" || fail "Enter did not close the About box"
e2e_poll 5 e2e_is_active "$MAIN_WINDOW" || fail "the main window did not become active after the About box"

e2e_keys Escape
e2e_expect_exit 5

expected=$'01 photo.jpg\n02 photo.jpg\n03 photo.jpg'
actual=$(e2e_list_dir "$dir")
[[ $actual == "$expected" ]] || fail "the folder holds [${actual//$'\n'/, }], not [${expected//$'\n'/, }]"
for pair in 01:c 02:a 03:b; do
    content=$(< "$dir/${pair%%:*} photo.jpg")
    [[ $content == "${pair#*:}" ]] || fail "'${pair%%:*} photo.jpg' holds '$content', not '${pair#*:}': the numbers do not follow the times"
done
echo "PASS $E2E_NAME"
