#include "helpers/FaultyFile.h"

#include <jet/Errors.h>

#include <algorithm>

namespace jet::test {

FaultyFile::FaultyFile(std::unique_ptr<File> file)
    : m_file(std::move(file))
{ }

void FaultyFile::FailWritesAfter(uint64_t bytes)
{
    std::lock_guard lock(m_mutex);
    m_writeBudget = bytes;
}

int FaultyFile::syncCount() const
{
    std::lock_guard lock(m_mutex);
    return m_syncs;
}

Status FaultyFile::Read(uint64_t offset, uint8_t* out, size_t length)
{
    std::lock_guard lock(m_mutex);
    return m_file->Read(offset, out, length);
}

Status FaultyFile::Write(uint64_t offset, const uint8_t* data, size_t length)
{
    std::lock_guard lock(m_mutex);
    size_t allowed = length;
    if (m_writeBudget)
        allowed = static_cast<size_t>(std::min<uint64_t>(length, *m_writeBudget));
    // The part before the limit lands, as a torn write would leave it.
    Status written = m_file->Write(offset, data, allowed);
    if (!written.ok())
        return written;
    if (m_writeBudget)
        *m_writeBudget -= allowed;
    if (allowed < length)
        return Errors::DiskError("injected write failure");
    return Status::OK();
}

Result<uint64_t> FaultyFile::Size()
{
    std::lock_guard lock(m_mutex);
    return m_file->Size();
}

Status FaultyFile::Truncate(uint64_t size)
{
    std::lock_guard lock(m_mutex);
    if (IsExhausted())
        return Errors::DiskError("injected truncate failure");
    return m_file->Truncate(size);
}

Status FaultyFile::Sync()
{
    std::lock_guard lock(m_mutex);
    if (IsExhausted())
        return Errors::DiskError("injected sync failure");
    Status synced = m_file->Sync();
    if (synced.ok())
        ++m_syncs;
    return synced;
}

void FaultyFile::Unlock()
{
    std::lock_guard lock(m_mutex);
    m_file->Unlock();
}

int FaultyFile::Descriptor() const
{
    std::lock_guard lock(m_mutex);
    return m_file->Descriptor();
}

} // namespace jet::test
