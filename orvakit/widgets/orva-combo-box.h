#pragma once

#include "orvakit_export.h"

#include <QComboBox>

// A combo box with the library's look, whose list always opens just below
// the box (never over it, as some styles place it).
class ORVAKIT_EXPORT OrvaComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit OrvaComboBox(QWidget *parent = nullptr);

    void showPopup() override;
};
