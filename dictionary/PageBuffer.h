#pragma once

#include <cstddef>

// A large block of memory taken straight from the system and asked for huge pages, so that
// filling a dictionary of a hundred megabytes does not pay a page fault for every 4 KiB.
class PageBuffer
{
public:
    PageBuffer() = default;
    PageBuffer(PageBuffer&& other) noexcept;
    PageBuffer& operator=(PageBuffer&& other) noexcept;
    PageBuffer(const PageBuffer&) = delete;
    PageBuffer& operator=(const PageBuffer&) = delete;
    ~PageBuffer();

    char* data() const { return m_data; }
    size_t capacity() const { return m_capacity; }
    // Keeps the contents; throws std::bad_alloc when the system has no memory to give.
    void grow(size_t capacity);

private:
    char* m_data = nullptr;
    size_t m_capacity = 0;
};

// A growable array of plain values kept in a PageBuffer.
template <typename T> class PageVector
{
public:
    size_t size() const { return m_size; }
    const T& operator[](size_t i) const { return reinterpret_cast<const T*>(m_buffer.data())[i]; }
    void push_back(const T& value)
    {
        if ((m_size + 1) * sizeof(T) > m_buffer.capacity())
            m_buffer.grow(2 * m_buffer.capacity() + (size_t(1) << 16));
        reinterpret_cast<T*>(m_buffer.data())[m_size++] = value;
    }

private:
    PageBuffer m_buffer;
    size_t m_size = 0;
};
