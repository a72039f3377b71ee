#pragma once

#include "io/PageStore.h"

#include <set>
#include <string>
#include <vector>

namespace jet::test {

// Pages in memory, with counters, for index tests. Page 0 exists from the start.
class MemoryPageStore final : public PageStore {
public:
    explicit MemoryPageStore(uint32_t pages = 1)
        : m_pages(pages)
    { }

    Status ReadPage(PageNumber n, Page& out) override
    {
        if (n >= m_pages.size())
            return Status::Corruption("page " + std::to_string(n) + " beyond the end");
        out = m_pages[n];
        return Status::OK();
    }
    Status WritePage(PageNumber n, const Page& page) override
    {
        if (n >= m_pages.size())
            return Status::InvalidArgument("write beyond the end");
        m_pages[n] = page;
        ++writes;
        return Status::OK();
    }
    Result<PageNumber> AllocatePage(const Page& page) override
    {
        if (failAllocation)
            return Status::IOError("disk full");
        m_pages.push_back(page);
        return static_cast<PageNumber>(m_pages.size() - 1);
    }
    uint32_t PageCount() const override { return static_cast<uint32_t>(m_pages.size()); }

    Page& raw(PageNumber n) { return m_pages.at(n); }
    const std::vector<Page>& pages() const { return m_pages; }

    int writes = 0;
    bool failAllocation = false;

private:
    std::vector<Page> m_pages;
};

} // namespace jet::test
