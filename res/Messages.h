#pragma once
// The texts of the program's message boxes.

inline constexpr const char8_t* kMsgEnterDirectory = u8"ディレクトリ名を入力してください。";
inline constexpr const char8_t* kMsgDirectoryNotFound = u8"指定されたディレクトリが見つかりません・・・。";
inline constexpr const char8_t* kMsgSelectFile = u8"ファイルを選択してください";
inline constexpr const char8_t* kMsgCannotRename = u8"そのファイル名はできないなぁ。";
inline constexpr const char8_t* kMsgTooManyFiles =
    u8"ファイルが多すぎます。指定するファイル数をもうすこし 少なくしてみましょう。";
inline constexpr const char8_t* kMsgInvalidFileName = u8"sss";
