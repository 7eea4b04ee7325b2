#pragma once

#include "orvakit_export.h"

#include <QCheckBox>

// A check box with the library's look.
class ORVAKIT_EXPORT OrvaCheckBox : public QCheckBox
{
    Q_OBJECT
public:
    explicit OrvaCheckBox(const QString &text = QString(), QWidget *parent = nullptr);
};
