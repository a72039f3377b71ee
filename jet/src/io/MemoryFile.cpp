#include "io/MemoryFile.h"

#include <algorithm>
#include <cstring>

namespace jet {

MemoryFile::MemoryFile(std::shared_ptr<std::vector<uint8_t>> bytes)
    : m_bytes(std::move(bytes))
{
}

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
    size_t allowed = length;
    if (m_writeBudget)
        allowed = static_cast<size_t>(std::min<uint64_t>(length, *m_writeBudget));
    if (offset + allowed > m_bytes->size())
        m_bytes->resize(offset + allowed);
    std::memcpy(m_bytes->data() + offset, data, allowed);
    if (m_writeBudget)
        *m_writeBudget -= allowed;
    if (allowed < length)
        return Errors::DiskError("injected write failure");
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
    if (m_writeBudget && *m_writeBudget == 0)
        return Errors::DiskError("injected truncate failure");
    m_bytes->resize(size);
    return Status::OK();
}

Status MemoryFile::Sync()
{
    std::lock_guard lock(m_mutex);
    if (m_writeBudget && *m_writeBudget == 0)
        return Errors::DiskError("injected sync failure");
    ++m_syncs;
    return Status::OK();
}

} // namespace jet
