#pragma once
// Which directory entries the scan leaves out.

#include <cstdint>

inline constexpr std::uint32_t FILE_ATTRIBUTE_READONLY = 0x01;
inline constexpr std::uint32_t FILE_ATTRIBUTE_HIDDEN = 0x02;
inline constexpr std::uint32_t FILE_ATTRIBUTE_SYSTEM = 0x04;
inline constexpr std::uint32_t FILE_ATTRIBUTE_DIRECTORY = 0x10;
inline constexpr std::uint32_t FILE_ATTRIBUTE_ARCHIVE = 0x20;
inline constexpr std::uint32_t FILE_ATTRIBUTE_TEMPORARY = 0x100;
inline constexpr std::uint32_t FILE_ATTRIBUTE_REPARSE_POINT = 0x400;

// The whole word is compared with five values, not tested as bits: 0x10 (a
// plain directory) is left out, 0x11 or 0x30 is listed.
bool IsExcludedAttribute(std::uint32_t attributes);
