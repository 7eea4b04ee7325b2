#pragma once

#include "orvakit_export.h"

#include <QRadioButton>

// A radio button with the library's look.
class ORVAKIT_EXPORT OrvaRadioButton : public QRadioButton
{
    Q_OBJECT
public:
    explicit OrvaRadioButton(const QString &text = QString(), QWidget *parent = nullptr);
};
