#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The fuzzer's bytes read front to back, so a seed can be written by hand:
// each answer of the fake platform takes the next bytes it needs; once the
// bytes run out, every answer is zero.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    std::uint8_t byte()
    {
        return m_at < m_size ? m_data[m_at++] : 0;
    }

    std::uint16_t word()
    {
        const std::uint16_t low = byte();
        return static_cast<std::uint16_t>(low | (byte() << 8));
    }

    std::uint32_t dword()
    {
        const std::uint32_t low = word();
        return low | (static_cast<std::uint32_t>(word()) << 16);
    }

    // Up to `count` bytes, fewer when the input runs out.
    std::string bytes(std::size_t count)
    {
        const std::size_t available = m_size - m_at < count ? m_size - m_at : count;
        std::string taken(reinterpret_cast<const char*>(m_data + m_at), available);
        m_at += available;
        return taken;
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
};
