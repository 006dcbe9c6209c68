#!/bin/bash
# Takes the README's pictures from the real program under Xvfb with jwm:
#   tools/screenshots.sh [build folder]      (default: build)
# Writes docs/main-window.png, docs/rename-dialog.png, docs/about-box.png and
# docs/file-open-dialog.png.
# Run it again whenever a window changes.
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$top/build}" && pwd)
source "$top/tests/e2e/lib.sh" "$build/app/sorabun" "$build"

shoot()
{
    # The window with its frame: jwm's frame is the parent of the client window.
    local frame
    frame=$(xwininfo -children -id "$1" 2> /dev/null | sed -n 's/^  Parent window id: \(0x[0-9a-f]*\).*/\1/p')
    import -window "${frame:-$1}" "$2" 2> /dev/null || fail "could not take $2"
    echo "wrote $2"
}

dir=$E2E_TMP/2026夏休み
mkdir "$dir" || fail "cannot make $dir"
for name in IMG_0001.JPG IMG_0002.JPG IMG_0003.JPG 花火大会.jpg 海辺の夕日.jpg 旅程表.xlsx メモ.txt; do
    e2e_write "$dir/$name" "$name"
done

e2e_start_session
e2e_start_app

e2e_keys Tab space             # 自動連番 on
e2e_keys Tab Tab Tab Tab       # to the directory field
e2e_type "$dir"
e2e_keys Tab space
e2e_poll 10 e2e_has_selection "$MAIN_WINDOW" || fail "no selected row after the scan"
e2e_keys Down
shoot "$MAIN_WINDOW" "$top/docs/main-window.png"

title=リネームするぞっ！
e2e_keys Return
e2e_wait_window 10 "$title" "$MAIN_WINDOW" || fail "no rename dialog"
dialog=$FOUND_WINDOW
e2e_poll 5 e2e_is_active "$dialog" || fail "the rename dialog is not active"
e2e_type "夏の思い出"
sleep 0.3
shoot "$dialog" "$top/docs/rename-dialog.png"
e2e_keys Escape
e2e_poll 5 e2e_window_gone "$dialog" || fail "the rename dialog did not close"
e2e_poll 5 e2e_is_active "$MAIN_WINDOW" || fail "the main window is not active again"

e2e_keys alt+h v
e2e_wait_window 10 "ﾊﾞｰｼﾞｮﾝ情報 Sorabun" "$MAIN_WINDOW" || fail "no About box"
about=$FOUND_WINDOW
sleep 0.3
shoot "$about" "$top/docs/about-box.png"
e2e_keys Return
e2e_poll 5 e2e_window_gone "$about" || fail "the About box did not close"

e2e_poll 5 e2e_is_active "$MAIN_WINDOW" || fail "the main window is not active after the About box"
e2e_keys alt+f a
e2e_wait_window 10 "ファイルを選択" "$MAIN_WINDOW" || fail "no file-open dialog"
picker=$FOUND_WINDOW
sleep 0.5
shoot "$picker" "$top/docs/file-open-dialog.png"
e2e_keys Escape
e2e_poll 5 e2e_window_gone "$picker" || fail "the file-open dialog did not close"

e2e_keys Escape
e2e_expect_exit 5
