#!/bin/bash
# Scanning a folder that does not exist answers with a message box captioned
# with the program's name; Enter closes it and the main window carries on.
source "$(dirname "$0")/lib.sh" "$@"

missing=$E2E_TMP/ありません/どこにも
e2e_start_session
e2e_start_app

e2e_keys Tab Tab Tab Tab Tab
e2e_type "$missing"
e2e_keys Tab space

e2e_wait_window 10 sorabun "$MAIN_WINDOW" || fail "no message box titled 'sorabun' within 10 s of scanning a missing folder"
box=$FOUND_WINDOW
e2e_poll 5 e2e_is_active "$box" || fail "the message box is shown but not active"
e2e_has_selection "$MAIN_WINDOW" && fail "the list has a selected row after a failed scan"

e2e_keys Return
e2e_poll 5 e2e_window_gone "$box" || fail "the message box is still shown 5 s after Enter"
e2e_poll 5 e2e_is_active "$MAIN_WINDOW" || fail "the main window did not become active again after the message box closed"

e2e_keys Escape
e2e_expect_exit 5
echo "PASS $E2E_NAME"
