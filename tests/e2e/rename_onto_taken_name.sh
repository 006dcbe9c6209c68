#!/bin/bash
# A new name that another file already has is refused with a message box; the
# rename dialog stays open, and neither file changes.
source "$(dirname "$0")/lib.sh" "$@"

dir=$E2E_TMP/取られた名前
mkdir "$dir" || fail "cannot make $dir"
e2e_write "$dir/a.txt" A
e2e_write "$dir/b.txt" B

e2e_start_session
e2e_start_app

e2e_keys Tab Tab Tab Tab Tab
e2e_type "$dir"
e2e_keys Tab space
e2e_poll 10 e2e_has_selection "$MAIN_WINDOW" || fail "no selected row in the list within 10 s of the scan"

title=リネームするぞっ！
e2e_keys Return
e2e_wait_window 10 "$title" "$MAIN_WINDOW" || fail "no window titled '$title' within 10 s of Enter in the list"
dialog=$FOUND_WINDOW
e2e_poll 5 e2e_is_active "$dialog" || fail "the rename dialog is shown but not active"

e2e_type b
e2e_keys Return
e2e_wait_window 10 sorabun "$MAIN_WINDOW" "$dialog" || fail "no message box titled 'sorabun' within 10 s of renaming a.txt onto b.txt"
box=$FOUND_WINDOW
e2e_poll 5 e2e_is_active "$box" || fail "the message box is shown but not active"
e2e_keys Return
e2e_poll 5 e2e_window_gone "$box" || fail "the message box is still shown 5 s after Enter"
e2e_window_visible "$dialog" || fail "the rename dialog closed with the message box; it should stay open"
e2e_poll 5 e2e_is_active "$dialog" || fail "the rename dialog did not become active again after the message box"

e2e_keys Escape
e2e_poll 5 e2e_window_gone "$dialog" || fail "the rename dialog is still shown 5 s after Escape"
e2e_poll 5 e2e_is_active "$MAIN_WINDOW" || fail "the main window did not become active again after the rename dialog"
e2e_keys Escape
e2e_expect_exit 5

actual=$(e2e_list_dir "$dir")
[[ $actual == $'a.txt\nb.txt' ]] || fail "the folder holds [${actual//$'\n'/, }], not [a.txt, b.txt]"
cmp -s "$dir/a.txt" <(printf A) || fail "a.txt changed: '$(< "$dir/a.txt")'"
cmp -s "$dir/b.txt" <(printf B) || fail "b.txt changed: '$(< "$dir/b.txt")'"
echo "PASS $E2E_NAME"
