#pragma once

#include "io/File.h"
#include "io/Journal.h"

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <random>
#include <string>
#include <vector>

namespace jet::test {

// A disk for crash tests: one folder of files whose writes stay in the
// drive's cache until the file is synced, and whose creations and removals
// stay there until the folder is synced. A power cut keeps what was synced
// and an arbitrary part of the rest: each pending write survives whole, in
// part (some of its 512-byte sectors: a torn page) or not at all, in any
// order, and each pending creation or removal may or may not have happened.
//
// It also fails operations on purpose: the k-th write, sync, truncate or
// folder operation, or every operation from the k-th on (the machine died).
class SimulatedDisk {
public:
    // Puts a file of `bytes` on the disk, synced.
    void Put(const std::string& name, const std::vector<uint8_t>& bytes);
    // The current bytes of a file (as reads see them); empty when missing.
    std::vector<uint8_t> Bytes(const std::string& name) const;
    bool Exists(const std::string& name) const;

    // A file of the disk, opened.
    std::unique_ptr<jet::File> Open(const std::string& name);
    // The journal location `name` of this disk.
    std::unique_ptr<jet::JournalLocation> Journal(const std::string& name);

    // Operations counted so far (writes, syncs, truncates, creations,
    // removals, folder syncs).
    uint64_t operations() const
    {
        std::lock_guard lock(m_mutex);
        return m_operations;
    }
    // The k-th operation from now fails (a failing write stores its first
    // half); those after it succeed.
    void FailOnce(uint64_t k);
    // Every operation from the k-th from now on fails, as after a power cut.
    void FailFrom(uint64_t k);
    // The next sync of any file fails.
    void FailNextSync();
    // Stops failing.
    void Heal();

    // The power goes: every file keeps its synced content and an arbitrary
    // part of what was not, chosen by `rng`. Afterwards everything counts as
    // synced and operations succeed again.
    void PowerCut(std::mt19937& rng);

private:
    struct Pending {
        bool truncate = false;
        uint64_t offset = 0; // or the new size
        std::vector<uint8_t> data;
    };
    struct Inode {
        std::vector<uint8_t> current;
        std::vector<uint8_t> durable;
        std::vector<Pending> pending;
    };
    class DiskFile;
    class DiskJournal;

    // Counts an operation; false when it must fail.
    bool Operate(bool sync = false);

    // The pager writes from a thread of its own.
    mutable std::recursive_mutex m_mutex;
    std::map<std::string, std::shared_ptr<Inode>> m_folder;  // as it is now
    std::map<std::string, std::shared_ptr<Inode>> m_durable; // as a power cut leaves it for sure
    uint64_t m_operations = 0;
    uint64_t m_failOnce = 0;
    uint64_t m_failFrom = 0;
    bool m_failSync = false;
};

} // namespace jet::test
