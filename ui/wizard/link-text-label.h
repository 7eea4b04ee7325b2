#pragma once

#include <QLabel>

// A label whose rich text holds links that the keyboard reaches as well as
// the mouse: Tab stops on the label with its first link marked (Shift+Tab
// with its last), and Return follows the marked link.
class LinkTextLabel : public QLabel
{
    Q_OBJECT
public:
    explicit LinkTextLabel(const QString &text = QString(), QWidget *parent = nullptr);

protected:
    void focusInEvent(QFocusEvent *event) override;
    bool focusNextPrevChild(bool next) override;
};
