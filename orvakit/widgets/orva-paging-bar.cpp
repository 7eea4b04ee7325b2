#include "widgets/orva-paging-bar.h"

#include "services/component-strings.h"
#include "services/dpi-info.h"
#include "services/style-manager.h"
#include "widgets/orva-button.h"
#include "widgets/orva-icon-button.h"
#include "widgets/orva-paging-model.h"

#include <QHBoxLayout>
#include <QLabel>

namespace {

int px(int designLength)
{
    return DPIinfo::getInstance().scaled(designLength);
}

OrvaIconButton *navigationButton(const char *image, const char *captionKey)
{
    auto *button = new OrvaIconButton(QString(image));
    const QString caption = ComponentStrings::getInstance().getString(captionKey);
    button->setToolTip(caption);
    // The picture says nothing to a screen reader.
    button->setAccessibleName(caption);
    return button;
}

} // namespace

OrvaPagingBar::OrvaPagingBar(OrvaPagingModel *model, QWidget *parent)
    : QWidget(parent)
    , model(model)
    , firstButton(navigationButton("bt_pagebar_backend", "first_page"))
    , prevButton(navigationButton("bt_pagebar_back", "prev_5_pages"))
    , nextButton(navigationButton("bt_pagebar_next", "next_5_pages"))
    , lastButton(navigationButton("bt_pagebar_nextend", "last_page"))
{
    model->setNowPage(1);
    model->setItemCount(0);
    initializeUI();
    connectSignals();
    setPage(1);
}

void OrvaPagingBar::initializeUI()
{
    mainLayout = new QHBoxLayout;
    mainLayout->setSpacing(0);
    mainLayout->setContentsMargins(0, px(1), 0, 0);
    mainLayout->setAlignment(Qt::AlignVCenter);
    mainLayout->addSpacing(px(8));
    mainLayout->addWidget(firstButton, 0, Qt::AlignLeft | Qt::AlignVCenter);
    mainLayout->addSpacing(px(4));
    mainLayout->addWidget(prevButton, 0, Qt::AlignLeft | Qt::AlignVCenter);
    for (int i = 0; i < int(pageButtons.size()); ++i) {
        auto *button = new OrvaButton(QString(), i == 2 ? OrvaButton::SelectedPage : OrvaButton::UnselectedPage);
        button->setFixedHeight(px(24));
        button->setMinimumWidth(px(24));
        connect(button, &OrvaButton::clicked, this, [this, i] { pageClick(i); });
        if (i > 0)
            mainLayout->addSpacing(px(4));
        mainLayout->addWidget(button, 0, Qt::AlignCenter);
        pageButtons[i] = button;
    }
    pageButtons[2]->setText("1");
    mainLayout->addWidget(nextButton, 0, Qt::AlignRight | Qt::AlignVCenter);
    mainLayout->addWidget(lastButton, 0, Qt::AlignRight | Qt::AlignVCenter);
    mainLayout->addStretch();
    mainLayout->addSpacing(px(50));

    refreshButton = new OrvaIconButton(QString("bt_pagebar_refresh"));
    refreshButton->setAccessibleName(ComponentStrings::getInstance().getString("pagebar_refresh"));
    refreshButton->setFixedSize(px(24), px(24));

    footerLayout = new QHBoxLayout;
    footerLayout->setDirection(QBoxLayout::RightToLeft);
    footerLayout->setSpacing(px(4));
    footerLayout->setContentsMargins(0, 0, 0, 0);
    footerLayout->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    footerLayout->addWidget(refreshButton, 0, Qt::AlignCenter);
    mainLayout->addLayout(footerLayout);

    auto *border = new QWidget;
    border->setObjectName("PAGINGBARBORDER");
    border->setStyleSheet(getStyleSheet("component.paging_bar_border", false));
    border->setFixedHeight(px(32));
    border->setLayout(mainLayout);

    auto *outer = new QHBoxLayout(this);
    outer->setSpacing(0);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(border);
}

void OrvaPagingBar::connectSignals()
{
    connect(refreshButton, &OrvaIconButton::clicked, this, &OrvaPagingBar::sigRefresh);
    connect(firstButton, &OrvaIconButton::clicked, this, &OrvaPagingBar::first_page);
    connect(lastButton, &OrvaIconButton::clicked, this, &OrvaPagingBar::last_page);
    connect(nextButton, &OrvaIconButton::clicked, this, &OrvaPagingBar::next_5_page);
    connect(prevButton, &OrvaIconButton::clicked, this, &OrvaPagingBar::prev_5_page);
}

void OrvaPagingBar::setPage(int page)
{
    const int pages = model->pageCount();
    for (int i = 0; i < int(pageButtons.size()); ++i) {
        const int shown = page - 2 + i;
        const bool exists = shown >= 1 && shown <= pages;
        pageButtons[i]->setText(exists ? QString::number(shown) : QStringLiteral(" "));
        pageButtons[i]->setEnabled(exists);
    }
    nextButton->setEnabled(page < pages);
    lastButton->setEnabled(page < pages);
    firstButton->setEnabled(page != 1);
    prevButton->setEnabled(page != 1);
    model->setNowPage(page);
}

void OrvaPagingBar::moveToPage(int page)
{
    setPage(page);
    emit sigPageChanged();
}

void OrvaPagingBar::setItemCount(int count)
{
    model->setItemCount(count);
    setPage(model->nowPage());
}

void OrvaPagingBar::reset()
{
    moveToPage(1);
}

void OrvaPagingBar::pageClick(int index)
{
    bool isNumber = false;
    const int page = pageButtons[index]->text().toInt(&isNumber);
    // A blank button stands for no page; it is disabled, so only a
    // programmatic click could come from it.
    if (isNumber)
        moveToPage(page);
}

void OrvaPagingBar::first_page()
{
    moveToPage(1);
}

void OrvaPagingBar::prev_5_page()
{
    moveToPage(qMax(1, model->nowPage() - 5));
}

void OrvaPagingBar::next_5_page()
{
    moveToPage(qMin(model->pageCount(), model->nowPage() + 5));
}

void OrvaPagingBar::last_page()
{
    moveToPage(model->pageCount());
}

void OrvaPagingBar::setRefreshButtonHidden(bool hidden)
{
    refreshButton->setHidden(hidden);
}

void OrvaPagingBar::setFooterText(const QString &text)
{
    setFooterInfo({text, 0});
}

void OrvaPagingBar::setFooterInfo(const PagingFooterInfo &info)
{
    setFooterInfos({info});
}

void OrvaPagingBar::setFooterInfos(const std::vector<PagingFooterInfo> &infos)
{
    for (int i = 0; i < int(infos.size()); ++i) {
        const PagingFooterInfo &info = infos[i];
        if (i < footerLabels.size()) {
            footerLabels[i]->setText(info.text);
            if (info.width != 0)
                footerLabels[i]->setFixedWidth(px(info.width));
            continue;
        }
        auto *label = new QLabel(info.text);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setFixedHeight(px(24));
        if (info.width != 0)
            label->setFixedWidth(px(info.width));
        const bool rightmost = i == 0 && refreshButton->isHidden();
        label->setStyleSheet(getStyleSheet(rightmost ? "component.paging_bar_rightmost_label"
                                                     : "component.paging_bar_label",
                                           false));
        auto *separator = new QLabel;
        separator->setFixedSize(px(1), px(24));
        separator->setStyleSheet("QLabel {background: rgba(171,181,194,0.20);}");
        footerLayout->addWidget(separator, 0, Qt::AlignVCenter);
        footerLayout->addWidget(label, 0, Qt::AlignVCenter);
        footerLabels.append(label);
        footerSeparators.append(separator);
    }
    while (footerLabels.size() > int(infos.size())) {
        // Deleting a widget also takes it out of the layout.
        delete footerLabels.takeLast();
        delete footerSeparators.takeLast();
    }
}
