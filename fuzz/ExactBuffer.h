#pragma once

#include <QByteArray>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

// Bytes in heap blocks of exactly their size: a read one past the end lands in
// the allocator's guard zone, where AddressSanitizer stops the run. Each block
// lives as long as the arena; the arrays handed out share the block, never copy it.
class ExactBuffers
{
public:
    QByteArray hold(const char *data, size_t size)
    {
        // malloc(0) still gives a block of its own, of no usable byte.
        std::unique_ptr<char, decltype(&std::free)> block(static_cast<char *>(std::malloc(size)), &std::free);
        if (size > 0)
            std::memcpy(block.get(), data, size);
        const QByteArray bytes = QByteArray::fromRawData(block.get(), qsizetype(size));
        m_blocks.push_back(std::move(block));
        return bytes;
    }

private:
    std::vector<std::unique_ptr<char, decltype(&std::free)>> m_blocks;
};

// Reads an input from the front: single bytes, then the rest.
class InputReader
{
public:
    InputReader(const uint8_t *data, size_t size) : m_data(data), m_size(size) {}

    bool empty() const { return m_at >= m_size; }
    uint8_t byte() { return m_at < m_size ? m_data[m_at++] : 0; }
    // The next piece up to (not including) a separator byte, or to the end.
    std::pair<const char *, size_t> until(uint8_t separator)
    {
        const size_t start = m_at;
        while (m_at < m_size && m_data[m_at] != separator)
            ++m_at;
        const size_t length = m_at - start;
        if (m_at < m_size)
            ++m_at;
        return {reinterpret_cast<const char *>(m_data + start), length};
    }
    std::pair<const char *, size_t> rest()
    {
        const size_t start = m_at;
        m_at = m_size;
        return {reinterpret_cast<const char *>(m_data + start), m_size - start};
    }

private:
    const uint8_t *m_data;
    size_t m_size;
    size_t m_at = 0;
};
