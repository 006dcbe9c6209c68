#include "FuzzInput.h"

std::uint8_t FuzzInput::Byte()
{
    if (m_rest.empty())
        return 0;
    const auto byte = static_cast<std::uint8_t>(m_rest.front());
    m_rest.remove_prefix(1);
    return byte;
}

std::int32_t FuzzInput::Int32()
{
    std::uint32_t value = 0;
    for (int shift = 0; shift < 32; shift += 8)
        value |= static_cast<std::uint32_t>(Byte()) << shift;
    return static_cast<std::int32_t>(value);
}

std::string_view FuzzInput::Piece()
{
    const std::size_t end = m_rest.find('\0');
    const std::string_view piece = m_rest.substr(0, end);
    m_rest.remove_prefix(end == std::string_view::npos ? m_rest.size() : end + 1);
    return piece;
}
