#pragma once

#include "orvakit_export.h"

#include <QObject>

// The arithmetic of a paged list: how many items, how many rows per page,
// and which page (counted from 1) is shown.
class ORVAKIT_EXPORT OrvaPagingModel : public QObject
{
public:
    // A row limit below 1 is taken as 1, with a warning.
    OrvaPagingModel(int rowLimit, QObject *parent);

    int itemCount() const;
    // Stores the count as given; the current page is not clamped to it.
    void setItemCount(int count);
    int rowLimit() const;
    // A limit below 1 is taken as 1, with a warning.
    void setRowLimit(int limit);
    int nowPage() const;
    void setNowPage(int page);

    // Pages needed for every item, at least 1.
    int pageCount() const;
    // Index of the first item of the current page.
    int startItem() const;

private:
    int m_rowLimit = 1;
    int m_itemCount = 0;
    int m_nowPage = 1;
};
