#pragma once
// Independent answers to "what is a character here" for the fuzz targets to
// check the program's code against.

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace oracle {

// The code points of well-formed UTF-8 (no overlong forms, no surrogates,
// nothing above U+10FFFF), or nullopt.
std::optional<std::vector<char32_t>> DecodeUtf8(std::string_view text);
inline bool IsValidUtf8(std::string_view text) { return DecodeUtf8(text).has_value(); }

// Where each CP932 character starts, walking from the first byte: a lead byte
// (0x81-0x9F, 0xE0-0xFC) takes the byte after it along, whatever it is.
std::vector<std::size_t> CharacterStarts(std::string_view cp932);
bool IsCharacterStart(std::string_view cp932, std::size_t position);

// A lead byte with nothing after it: the text was cut inside a character.
bool EndsWithLoneLeadByte(std::string_view cp932);

// The last character is a single-byte "\" or "/".
bool EndsWithSeparatorCharacter(std::string_view cp932);

}  // namespace oracle
