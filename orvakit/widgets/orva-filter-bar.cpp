#include "widgets/orva-filter-bar.h"

#include "services/dpi-info.h"
#include "services/style-manager.h"
#include "widgets/orva-icon-button.h"

#include <QKeyEvent>

OrvaFilterBar::OrvaFilterBar(QWidget *parent)
    : QLineEdit(parent)
    , searchButton(new OrvaIconButton(QString("bt_search_dropdown")))
{
    const DPIinfo &dpi = DPIinfo::getInstance();
    setAttribute(Qt::WA_MacShowFocusRect);
    setStyleSheet(getStyleSheet("component.lineedit", false) + getStyleSheet("component.filter_bar_padding", false));
    setFixedHeight(dpi.scaled(28));

    searchButton->setParent(this);
    searchButton->setFocusPolicy(Qt::NoFocus);
    searchButton->setStyleSheet(getStyleSheet("component.filter_search_button", false));
    searchButton->move(dpi.scaled(4), dpi.scaled(2));
    searchButton->setCursor(Qt::ArrowCursor);
    searchButton->setFixedSize(dpi.scaled(34), dpi.scaled(24));

    connect(this, &QLineEdit::returnPressed, this, &OrvaFilterBar::slotKeywordChange);
}

void OrvaFilterBar::setMenu(QMenu *menu)
{
    searchButton->setMenu(menu);
}

void OrvaFilterBar::slotKeywordChange()
{
    emit sigKeywordChanged(text());
}

void OrvaFilterBar::keyPressEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Down) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // Down belongs to the menu, whether or not there is one.
    if (searchButton->menu())
        searchButton->showMenu();
}
