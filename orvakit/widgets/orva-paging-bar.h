#pragma once

#include "orvakit_export.h"

#include "widgets/paging-footer-info.h"

#include <QWidget>

#include <array>
#include <vector>

class OrvaButton;
class OrvaIconButton;
class OrvaPagingModel;
class QHBoxLayout;
class QLabel;

// The strip under a paged list: first, back five, a window of five page
// numbers centred on the current page, forward five, last; on the right a
// row of footer texts and a refresh button. Every move the user makes
// changes the model's page and is announced by sigPageChanged(); the list's
// owner then reloads its rows from the model's startItem().
class ORVAKIT_EXPORT OrvaPagingBar : public QWidget
{
    Q_OBJECT
public:
    // The bar starts the model at page 1 of 0 items; it does not own it.
    OrvaPagingBar(OrvaPagingModel *model, QWidget *parent);

    // Shows the current page again for `count` items, without a signal; the
    // page is not moved even when the list has become shorter.
    void setItemCount(int count);
    void setRefreshButtonHidden(bool hidden);
    void setFooterText(const QString &text);
    void setFooterInfo(const PagingFooterInfo &info);
    // The texts from right to left: the first stands next to the refresh button.
    void setFooterInfos(const std::vector<PagingFooterInfo> &infos);

public slots:
    // Back to page 1, announced.
    void reset();

signals:
    void sigPageChanged();
    void sigRefresh();

protected:
    virtual void initializeUI();

private slots:
    void pageClick(int page);
    void next_5_page();
    void prev_5_page();
    void first_page();
    void last_page();

private:
    void connectSignals();
    void setPage(int page);
    void moveToPage(int page);

    OrvaPagingModel *model;
    QHBoxLayout *mainLayout = nullptr;
    QHBoxLayout *footerLayout = nullptr;
    OrvaIconButton *firstButton;
    OrvaIconButton *prevButton;
    OrvaIconButton *nextButton;
    OrvaIconButton *lastButton;
    std::array<OrvaButton *, 5> pageButtons{};
    QList<QLabel *> footerLabels;
    // footerSeparators[i] stands to the right of footerLabels[i].
    QList<QLabel *> footerSeparators;
    OrvaIconButton *refreshButton = nullptr;
};
