#include "widgets/orva-paging-model.h"

#include "services/debug-message.h"

namespace {

// Every page count divides by the limit.
int usableRowLimit(int limit)
{
    if (limit >= 1)
        return limit;
    qCWarning(debugMessage) << "Paging row limit" << limit << "is below 1, 1 is used";
    return 1;
}

} // namespace

OrvaPagingModel::OrvaPagingModel(int rowLimit, QObject *parent)
    : QObject(parent)
    , m_rowLimit(usableRowLimit(rowLimit))
{
}

int OrvaPagingModel::itemCount() const
{
    return m_itemCount;
}

void OrvaPagingModel::setItemCount(int count)
{
    m_itemCount = count;
}

int OrvaPagingModel::rowLimit() const
{
    return m_rowLimit;
}

void OrvaPagingModel::setRowLimit(int limit)
{
    m_rowLimit = usableRowLimit(limit);
}

int OrvaPagingModel::nowPage() const
{
    return m_nowPage;
}

void OrvaPagingModel::setNowPage(int page)
{
    m_nowPage = page;
}

int OrvaPagingModel::pageCount() const
{
    const int pages = m_itemCount / m_rowLimit + (m_itemCount % m_rowLimit > 0 ? 1 : 0);
    return qMax(1, pages);
}

int OrvaPagingModel::startItem() const
{
    return (m_nowPage - 1) * m_rowLimit;
}
