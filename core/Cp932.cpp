#include "Cp932.h"

#include <cerrno>
#include <cstring>
#include <iconv.h>

namespace cp932 {
namespace {

// "CP932", not "SHIFT_JIS": glibc's SHIFT_JIS is a different table (0x5C is
// the yen sign there, and the NEC and IBM rows are missing).
constexpr const char* kCodePage = "CP932";
constexpr const char* kUtf8 = "UTF-8";
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

const iconv_t kNoDescriptor = reinterpret_cast<iconv_t>(-1);

// Opened once and kept for the life of the process; every conversion runs on
// the UI thread, so sharing the descriptors needs no lock.
iconv_t ToCodePage()
{
    static const iconv_t descriptor = iconv_open(kCodePage, kUtf8);
    return descriptor;
}

iconv_t FromCodePage()
{
    static const iconv_t descriptor = iconv_open(kUtf8, kCodePage);
    return descriptor;
}

bool IsAscii(std::string_view text)
{
    for (char ch : text) {
        if (static_cast<unsigned char>(ch) >= 0x80)
            return false;
    }
    return true;
}

// The whole text converted, or nullopt when any part of it does not convert
// (EILSEQ, or EINVAL for a sequence cut off at the end).
std::optional<std::string> Convert(iconv_t descriptor, std::string_view in)
{
    if (in.empty())
        return std::string();  // a null input pointer would mean "reset" to iconv
    if (descriptor == kNoDescriptor)
        return std::nullopt;
    // A failed call can leave the descriptor mid-sequence.
    iconv(descriptor, nullptr, nullptr, nullptr, nullptr);

    // One byte of either side never needs more than three of the other.
    std::string out(in.size() * 3, '\0');
    char* source = const_cast<char*>(in.data());
    size_t sourceLeft = in.size();
    size_t produced = 0;
    for (;;) {
        char* target = out.data() + produced;
        size_t targetLeft = out.size() - produced;
        size_t result = iconv(descriptor, &source, &sourceLeft, &target, &targetLeft);
        produced = static_cast<size_t>(target - out.data());
        if (result != static_cast<size_t>(-1))
            break;
        if (errno != E2BIG)
            return std::nullopt;
        out.resize(out.size() * 2);
    }
    out.resize(produced);
    return out;
}

// The CP932 form of utf8 when converting it back gives exactly utf8 again.
// iconv reports success for one-way mappings (U+00A5 -> 0x5C, U+301C ->
// 0x8160), so only the way back tells.
std::optional<std::string> ExactForm(std::string_view utf8)
{
    std::optional<std::string> encoded = Convert(ToCodePage(), utf8);
    if (!encoded)
        return std::nullopt;
    std::optional<std::string> back = Convert(FromCodePage(), *encoded);
    if (!back || *back != utf8)
        return std::nullopt;
    return encoded;
}

bool IsContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// Length of the well-formed UTF-8 sequence that starts text (no overlong
// forms, no surrogates, nothing above U+10FFFF), or 0 when there is none.
size_t SequenceLength(std::string_view text)
{
    auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    unsigned char first = byte(0);
    if (first < 0x80)
        return 1;
    size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (first >= 0xC2 && first <= 0xDF) {
        length = 2;
    } else if (first >= 0xE0 && first <= 0xEF) {
        length = 3;
        if (first == 0xE0)
            low = 0xA0;
        if (first == 0xED)
            high = 0x9F;
    } else if (first >= 0xF0 && first <= 0xF4) {
        length = 4;
        if (first == 0xF0)
            low = 0x90;
        if (first == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (text.size() < length)
        return 0;
    if (byte(1) < low || byte(1) > high)
        return 0;
    for (size_t i = 2; i < length; ++i) {
        if (!IsContinuation(byte(i)))
            return 0;
    }
    return length;
}

std::string FromUtf8ByCodePoint(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        size_t length = SequenceLength(utf8.substr(i));
        if (length == 0) {
            out += kMarker;
            ++i;
            continue;
        }
        std::optional<std::string> form = ExactForm(utf8.substr(i, length));
        if (form)
            out += *form;
        else
            out += kMarker;
        i += length;
    }
    return out;
}

// Length of the CP932 character that starts text: a lead byte with any byte
// after it is one double-byte character, as CString walks them.
size_t CharacterLength(std::string_view text)
{
    if (IsLeadByte(static_cast<unsigned char>(text[0])) && text.size() >= 2)
        return 2;
    return 1;
}

bool HasMarker(std::string_view cp932)
{
    // 0xFF is neither a lead byte nor a trail byte in CP932, so it cannot hide
    // inside a double-byte character: a plain byte search finds every marker.
    return cp932.find(kMarker) != std::string_view::npos;
}

std::string ToUtf8ByCharacter(std::string_view cp932)
{
    std::string out;
    out.reserve(cp932.size() * 3);
    size_t i = 0;
    while (i < cp932.size()) {
        std::string_view character = cp932.substr(i, CharacterLength(cp932.substr(i)));
        i += character.size();
        // iconv rejects the marker too, but it is ours to refuse, not the table's.
        std::optional<std::string> decoded;
        if (!HasMarker(character))
            decoded = Convert(FromCodePage(), character);
        if (decoded)
            out += *decoded;
        else
            out += kReplacement;
    }
    return out;
}

}  // namespace

bool IsLeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

std::string FromUtf8(std::string_view utf8)
{
    if (IsAscii(utf8))
        return std::string(utf8);
    // Nearly every text converts whole; only a text that does not pays for a
    // conversion per code point.
    std::optional<std::string> whole = ExactForm(utf8);
    if (whole)
        return *whole;
    return FromUtf8ByCodePoint(utf8);
}

std::string ToUtf8(std::string_view cp932)
{
    if (IsAscii(cp932))
        return std::string(cp932);
    if (!HasMarker(cp932)) {
        std::optional<std::string> whole = Convert(FromCodePage(), cp932);
        if (whole)
            return *whole;
    }
    return ToUtf8ByCharacter(cp932);
}

std::optional<std::string> ToUtf8Exact(std::string_view cp932)
{
    if (HasMarker(cp932))
        return std::nullopt;
    if (IsAscii(cp932))
        return std::string(cp932);
    return Convert(FromCodePage(), cp932);
}

}  // namespace cp932
