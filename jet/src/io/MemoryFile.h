#pragma once

#include "io/File.h"

#include <memory>
#include <mutex>
#include <vector>

namespace jet {

// A File held in memory, for fuzzing and for tests. The bytes are shared with
// the creator, who can inspect them after the database is closed. Safe to use
// from several threads.
class MemoryFile final : public File {
public:
    explicit MemoryFile(std::shared_ptr<std::vector<uint8_t>> bytes);

    Status Read(uint64_t offset, uint8_t* out, size_t length) override;
    Status Write(uint64_t offset, const uint8_t* data, size_t length) override;
    Result<uint64_t> Size() override;
    Status Truncate(uint64_t size) override;
    Status Sync() override;

private:
    mutable std::mutex m_mutex;
    std::shared_ptr<std::vector<uint8_t>> m_bytes;
};

} // namespace jet
