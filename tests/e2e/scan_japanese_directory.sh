#!/bin/bash
# A folder with a Japanese name, typed into the directory field by keyboard
# (the characters go through the X keymap, as an input method would commit
# them), is scanned by the button reached with Tab and pressed with Space.
source "$(dirname "$0")/lib.sh" "$@"

dir=$E2E_TMP/写真フォルダ
mkdir "$dir" || fail "cannot make $dir"
for name in 海.jpg 山の上.jpg 花火大会.png; do
    e2e_write "$dir/$name" "$name"
done

e2e_start_session
e2e_start_app

e2e_keys Tab Tab Tab Tab Tab
e2e_type "$dir"
e2e_has_selection "$MAIN_WINDOW" && fail "a list row is selected before the scan"
e2e_keys Tab space

# The scan fills the list and selects its first row; a message box instead
# means the typed path was not the folder.
seen_row()
{
    e2e_has_selection "$MAIN_WINDOW" && return 0
    if e2e_find_window sorabun "$MAIN_WINDOW"; then
        e2e_screenshot "$BUILD_DIR/e2e-scan.png"
        fail "the scan answered with a message box instead of a list (the typed path did not arrive whole?)"
    fi
    return 1
}
e2e_poll 10 seen_row || fail "no selected row in the list within 10 s of pressing the scan button"

shot=$BUILD_DIR/e2e-scan.png
e2e_screenshot "$shot"
colours=$(identify -format '%k' "$shot") || fail "identify cannot read $shot"
((colours > 50)) || fail "the screenshot $shot has only $colours colours: nothing drawn?"

e2e_keys Escape
e2e_expect_exit 5
echo "PASS $E2E_NAME ($shot, $colours colours)"
