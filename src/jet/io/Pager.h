#pragma once

#include "io/File.h"
#include "io/PageStore.h"

#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <deque>
#include <vector>

namespace jet {

struct PagerOptions {
    bool readOnly = true;
    size_t cachePages = 16384;
    uint32_t encryptionKey = 0; // non-zero: every page but page 0 is RC4-encrypted on disk
};

// The page cache between the engine and the file. Pages are decrypted on the
// way in and encrypted on the way out; changed pages stay in the cache until
// Flush() or until the cache must evict them. Every write to the file goes
// through one function (WriteToFile), the place where a rollback journal
// saving original pages would hook in.
class Pager final : public PageStore {
public:
    // Takes ownership of `file`. `path` is used in error descriptions. A file
    // whose size is not a whole number of pages is refused as unrecognized.
    static Result<std::unique_ptr<Pager>> Open(std::unique_ptr<File> file, const std::string& path,
                                               const PagerOptions& options);
    ~Pager() override;

    Status ReadPage(PageNumber n, Page& out) override;
    Status WritePage(PageNumber n, const Page& page) override;
    Result<PageNumber> AllocatePage(const Page& page) override;
    uint32_t PageCount() const override { return m_pageCount; }

    // Page `n` without copying. The pointer stays valid until the next call
    // on the pager.
    Result<const Page*> View(PageNumber n);
    // Writable page `n`, marked changed. Valid until the next call on the pager.
    Result<Page*> Modify(PageNumber n);

    // Called after a page has been appended, to record it as used in the
    // global free-page map. Set by the database once page 1 is understood.
    void SetAllocationHook(std::function<Status(PageNumber)> hook) { m_allocationHook = std::move(hook); }

    // Page encryption key from the header; changes how pages after page 0
    // are read from now on.
    void SetEncryptionKey(uint32_t key) { m_options.encryptionKey = key; }

    // Writes every changed page and syncs the file.
    Status Flush();
    bool IsReadOnly() const { return m_options.readOnly; }
    bool HasChanges() const { return m_dirtyCount > 0; }
    const std::string& path() const { return m_path; }

    // Counters for tests and benchmarks.
    uint64_t pagesRead() const { return m_pagesRead; }
    uint64_t pagesWritten() const { return m_pagesWritten; }

private:
    struct Frame {
        Page page;
        PageNumber number = 0;
        bool used = false;
        bool dirty = false;
        uint32_t prev = kNone;
        uint32_t next = kNone;
    };
    static constexpr uint32_t kNone = 0xFFFFFFFF;

    Pager(std::unique_ptr<File> file, std::string path, const PagerOptions& options, uint32_t pageCount);

    Result<Frame*> Load(PageNumber n);
    Result<Frame*> TakeFrame(PageNumber n);
    void Touch(uint32_t index);
    void Unlink(uint32_t index);
    void PushFront(uint32_t index);
    void Crypt(PageNumber n, Page& page) const;
    Status WriteToFile(PageNumber n, const Page& page);
    Status ReadOnlyError() const;

    std::unique_ptr<File> m_file;
    std::string m_path;
    PagerOptions m_options;
    uint32_t m_pageCount = 0;
    std::deque<Frame> m_frames;
    std::unordered_map<PageNumber, uint32_t> m_index;
    uint32_t m_head = kNone; // most recently used
    uint32_t m_tail = kNone; // least recently used
    size_t m_usedFrames = 0;
    size_t m_dirtyCount = 0;
    std::function<Status(PageNumber)> m_allocationHook;
    bool m_inAllocationHook = false;
    uint64_t m_pagesRead = 0;
    uint64_t m_pagesWritten = 0;
};

} // namespace jet
