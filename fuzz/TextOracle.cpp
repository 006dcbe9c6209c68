#include "TextOracle.h"

#include <algorithm>

namespace oracle {
namespace {

bool IsLead(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// The sequence length a first byte announces, 0 for a byte no sequence starts with.
int AnnouncedLength(unsigned char first)
{
    if (first < 0x80)
        return 1;
    if ((first & 0xE0) == 0xC0)
        return 2;
    if ((first & 0xF0) == 0xE0)
        return 3;
    if ((first & 0xF8) == 0xF0)
        return 4;
    return 0;
}

}  // namespace

std::optional<std::vector<char32_t>> DecodeUtf8(std::string_view text)
{
    static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    std::vector<char32_t> points;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto first = static_cast<unsigned char>(text[i]);
        const int length = AnnouncedLength(first);
        if (length == 0 || i + static_cast<std::size_t>(length) > text.size())
            return std::nullopt;
        char32_t point = length == 1 ? first : first & (0x7F >> length);
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            if ((next & 0xC0) != 0x80)
                return std::nullopt;
            point = (point << 6) | (next & 0x3F);
        }
        if (point < kSmallest[length] || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF))
            return std::nullopt;
        points.push_back(point);
        i += static_cast<std::size_t>(length);
    }
    return points;
}

std::vector<std::size_t> CharacterStarts(std::string_view cp932)
{
    std::vector<std::size_t> starts;
    std::size_t i = 0;
    while (i < cp932.size()) {
        starts.push_back(i);
        const bool pair = IsLead(static_cast<unsigned char>(cp932[i])) && i + 1 < cp932.size();
        i += pair ? 2 : 1;
    }
    return starts;
}

bool IsCharacterStart(std::string_view cp932, std::size_t position)
{
    const std::vector<std::size_t> starts = CharacterStarts(cp932);
    return std::binary_search(starts.begin(), starts.end(), position);
}

bool EndsWithLoneLeadByte(std::string_view cp932)
{
    if (cp932.empty())
        return false;
    const std::vector<std::size_t> starts = CharacterStarts(cp932);
    return starts.back() == cp932.size() - 1 && IsLead(static_cast<unsigned char>(cp932.back()));
}

bool EndsWithSeparatorCharacter(std::string_view cp932)
{
    if (cp932.empty())
        return false;
    const std::vector<std::size_t> starts = CharacterStarts(cp932);
    if (starts.back() != cp932.size() - 1)
        return false;
    return cp932.back() == '\\' || cp932.back() == '/';
}

}  // namespace oracle
