#include "io/MemoryFile.h"

#include <cstring>

namespace jet {

MemoryFile::MemoryFile(std::shared_ptr<std::vector<uint8_t>> bytes)
    : m_bytes(std::move(bytes))
{ }

Status MemoryFile::Read(uint64_t offset, uint8_t* out, size_t length)
{
    std::lock_guard lock(m_mutex);
    if (offset > m_bytes->size() || length > m_bytes->size() - offset)
        return Errors::UnexpectedEnd("");
    std::memcpy(out, m_bytes->data() + offset, length);
    return Status::OK();
}

Status MemoryFile::Write(uint64_t offset, const uint8_t* data, size_t length)
{
    std::lock_guard lock(m_mutex);
    if (offset + length > m_bytes->size())
        m_bytes->resize(offset + length);
    std::memcpy(m_bytes->data() + offset, data, length);
    return Status::OK();
}

Result<uint64_t> MemoryFile::Size()
{
    std::lock_guard lock(m_mutex);
    return static_cast<uint64_t>(m_bytes->size());
}

Status MemoryFile::Truncate(uint64_t size)
{
    std::lock_guard lock(m_mutex);
    m_bytes->resize(size);
    return Status::OK();
}

Status MemoryFile::Sync()
{
    return Status::OK();
}

} // namespace jet
