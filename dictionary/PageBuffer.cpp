#include "dictionary/PageBuffer.h"

#include <new>
#include <sys/mman.h>
#include <utility>

namespace {
// From one huge page on, a buffer is made of huge pages; below it one would cost more memory than
// its page faults cost time.
constexpr size_t HugePage = size_t(2) << 20;
constexpr size_t SmallBlock = size_t(64) << 10;

size_t roundUp(size_t n, size_t unit)
{
    return (n + unit - 1) & ~(unit - 1);
}
} // namespace

PageBuffer::PageBuffer(PageBuffer&& other) noexcept
    : m_data(std::exchange(other.m_data, nullptr)), m_capacity(std::exchange(other.m_capacity, 0))
{
}

PageBuffer& PageBuffer::operator=(PageBuffer&& other) noexcept
{
    std::swap(m_data, other.m_data);
    std::swap(m_capacity, other.m_capacity);
    return *this;
}

PageBuffer::~PageBuffer()
{
    if (m_data)
        munmap(m_data, m_capacity);
}

void PageBuffer::grow(size_t capacity)
{
    if (capacity <= m_capacity)
        return;
    const size_t size = roundUp(capacity, capacity >= HugePage ? HugePage : SmallBlock);
    void* block =
        m_data ? mremap(m_data, m_capacity, size, MREMAP_MAYMOVE)
               : mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (block == MAP_FAILED)
        throw std::bad_alloc();
    if (size >= HugePage)
        madvise(block, size, MADV_HUGEPAGE);
    m_data = static_cast<char*>(block);
    m_capacity = size;
}
