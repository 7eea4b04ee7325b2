#pragma once

#include "orvakit_export.h"

#include <QLineEdit>

class OrvaIconButton;
class QMenu;

// A search field: a line edit with a search button inside its left edge,
// which opens a filter menu when one is given. Return reports the keyword.
class ORVAKIT_EXPORT OrvaFilterBar : public QLineEdit
{
    Q_OBJECT
public:
    explicit OrvaFilterBar(QWidget *parent = nullptr);

    // Opened by a press on the search button or by the Down key.
    void setMenu(QMenu *menu);

signals:
    // The text of the bar, empty included, each time Return is pressed.
    void sigKeywordChanged(QString keyword);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private slots:
    void slotKeywordChange();

private:
    OrvaIconButton *searchButton;
};
