#pragma once
// The code-page-932 codec used at every edge (Qt, the file system).
//
// A text with no exact CP932 form keeps its place but can never name another
// file: each character that has none becomes kMarker, a byte that is neither a
// lead byte, a trail byte nor a character in CP932, which shows as U+FFFD and
// which the file-system layer refuses to resolve.

#include <optional>
#include <string>
#include <string_view>

namespace cp932 {

inline constexpr char kMarker = '\xFF';

bool IsLeadByte(unsigned char byte);

// Each code point whose CP932 form does not convert back to itself (characters
// CP932 lacks, one-way mappings such as U+00A5, invalid UTF-8) becomes kMarker.
std::string FromUtf8(std::string_view utf8);

// kMarker and bytes that do not decode become U+FFFD; for showing text.
std::string ToUtf8(std::string_view cp932);

// nullopt when the text holds kMarker or anything that does not decode exactly;
// for naming files.
std::optional<std::string> ToUtf8Exact(std::string_view cp932);

}  // namespace cp932
