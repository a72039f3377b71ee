#include "page/PageAllocator.h"

namespace jet {

Result<PageNumber> PageAllocator::AllocatePage(const Page& page)
{
    PageNumber n = 0;
    if (!m_reusable.empty()) {
        n = m_reusable.back();
        JET_RETURN_IF_ERROR(m_pager.WritePage(n, page));
        m_reusable.pop_back();
    } else {
        auto appended = m_pager.AppendPage(page);
        if (!appended.ok())
            return appended;
        n = *appended;
    }
    // A page the map calls free would be handed out again by Access's own
    // allocator, over our data: the mark is part of the allocation.
    JET_RETURN_IF_ERROR(m_globalMap.MarkUsed(n));
    return n;
}

Status PageAllocator::ReleasePage(PageNumber n)
{
    JET_RETURN_IF_ERROR(m_pager.WritePage(n, Page{}));
    JET_RETURN_IF_ERROR(m_globalMap.MarkFree(n));
    m_reusable.push_back(n);
    return Status::OK();
}

Status PageAllocator::BeginChange()
{
    JET_RETURN_IF_ERROR(m_pager.BeginChange());
    m_reusableAtBegin = m_reusable;
    return Status::OK();
}

void PageAllocator::CommitChange()
{
    m_pager.CommitChange();
}

void PageAllocator::RollbackChange()
{
    m_pager.RollbackChange();
    m_reusable = m_reusableAtBegin;
}

} // namespace jet
