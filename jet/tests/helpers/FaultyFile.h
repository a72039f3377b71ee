#pragma once

#include "io/File.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>

namespace jet::test {

// Wraps a File and makes it fail on purpose: after a chosen number of bytes
// every write fails, as on a full or dying disk. Counts the syncs that
// succeed, so tests can see when a commit reached the device. Safe to use
// from several threads.
class FaultyFile final : public File {
public:
    explicit FaultyFile(std::unique_ptr<File> file);

    // After `bytes` more bytes have been written, every write fails (the
    // write that crosses the limit stores only the bytes before it), and so
    // do every truncate and sync. UINT64_MAX makes the file work again.
    void FailWritesAfter(uint64_t bytes);
    // Number of successful Sync() calls.
    int syncCount() const;

    Status Read(uint64_t offset, uint8_t* out, size_t length) override;
    Status Write(uint64_t offset, const uint8_t* data, size_t length) override;
    Result<uint64_t> Size() override;
    Status Truncate(uint64_t size) override;
    Status Sync() override;
    void Unlock() override;
    int Descriptor() const override;

private:
    bool IsExhausted() const { return m_writeBudget && *m_writeBudget == 0; }

    mutable std::mutex m_mutex;
    std::unique_ptr<File> m_file;
    std::optional<uint64_t> m_writeBudget;
    int m_syncs = 0;
};

} // namespace jet::test
