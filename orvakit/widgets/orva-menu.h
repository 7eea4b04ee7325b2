#pragma once

#include "orvakit_export.h"

#include <QMenu>

// A menu that moves itself back onto the primary screen's available area
// when it is shown partly outside it.
class ORVAKIT_EXPORT OrvaMenu : public QMenu
{
    Q_OBJECT
public:
    explicit OrvaMenu(QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;
};
