#pragma once
// Reads a fuzz input as a few fixed fields followed by NUL-separated texts, a
// layout a person can write by hand for the seed corpus:
//   printf '\x01\x07\x00\x00\x00memo\0txt\0IMG_0001.JPG'

#include <cstddef>
#include <cstdint>
#include <string_view>

class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size)
        : m_rest(reinterpret_cast<const char*>(data), size)
    {
    }

    // 0 once the input is used up.
    std::uint8_t Byte();
    // Four bytes, little-endian; missing bytes count as 0.
    std::int32_t Int32();
    // The bytes up to the next NUL (which is consumed), or all that is left.
    std::string_view Piece();
    std::string_view Rest() const { return m_rest; }
    bool AtEnd() const { return m_rest.empty(); }

private:
    std::string_view m_rest;
};
