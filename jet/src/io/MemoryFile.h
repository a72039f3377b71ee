#pragma once

#include "io/File.h"

#include <memory>
#include <mutex>
#include <optional>
#include <vector>

namespace jet {

// A File held in memory: for fuzzing, for tests, and for tests that make
// writes fail. The bytes are shared with the creator, who can inspect them
// after the database is closed. Safe to use from several threads.
class MemoryFile final : public File {
public:
    explicit MemoryFile(std::shared_ptr<std::vector<uint8_t>> bytes);

    // After `bytes` more bytes have been written, every write fails (the
    // write that crosses the limit stores only the bytes before it).
    void FailWritesAfter(uint64_t bytes)
    {
        std::lock_guard lock(m_mutex);
        m_writeBudget = bytes;
    }
    // Number of successful Sync() calls.
    int syncCount() const
    {
        std::lock_guard lock(m_mutex);
        return m_syncs;
    }

    Status Read(uint64_t offset, uint8_t* out, size_t length) override;
    Status Write(uint64_t offset, const uint8_t* data, size_t length) override;
    Result<uint64_t> Size() override;
    Status Truncate(uint64_t size) override;
    Status Sync() override;

private:
    mutable std::mutex m_mutex;
    std::shared_ptr<std::vector<uint8_t>> m_bytes;
    std::optional<uint64_t> m_writeBudget;
    int m_syncs = 0;
};

} // namespace jet
