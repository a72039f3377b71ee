#pragma once

#include <jet/Status.h>

#include <array>
#include <cstdint>
#include <optional>

namespace jet {

constexpr uint32_t kPageSize = 4096;
using PageNumber = uint32_t;
using Page = std::array<uint8_t, kPageSize>;

// Page-level access to an open database, with pages already decrypted.
// The pager implements it; the index and table code build on it. Page
// numbers are checked: a page beyond the end of the file is a corruption
// status, never an out-of-bounds access.
class PageStore {
public:
    virtual ~PageStore() = default;

    // Copies page `n` into `out`.
    virtual Status ReadPage(PageNumber n, Page& out) = 0;
    // Page `n` without a copy where the store can give one. The pointer stays
    // valid until the next call on the store. The default copies into a
    // buffer of the store.
    virtual Result<const Page*> ViewPage(PageNumber n)
    {
        JET_RETURN_IF_ERROR(ReadPage(n, m_viewBuffer));
        return static_cast<const Page*>(&m_viewBuffer);
    }
    // Replaces page `n` (in the cache; it reaches the file on flush).
    // REQUIRES: the database is writable and n < PageCount().
    virtual Status WritePage(PageNumber n, const Page& page) = 0;
    // A page for new content `page`; returns its number. For a writable
    // database this is page/PageAllocator: a page freed earlier or a new one
    // at the end of the file, marked used in the global free-page map.
    virtual Result<PageNumber> AllocatePage(const Page& page) = 0;
    // Number of pages in the file (including page 0).
    virtual uint32_t PageCount() const = 0;
    // A stamp that changes whenever page `n` changes, so a reader can keep
    // something derived from a page and know without comparing bytes whether
    // it is still current. nullopt when the store keeps no stamps.
    virtual std::optional<uint64_t> PageVersion(PageNumber) const { return std::nullopt; }

private:
    Page m_viewBuffer{};
};

} // namespace jet
