#include "widgets/scaled-layout.h"

#include "services/dpi-info.h"

#include <QBoxLayout>

void setScaledMargins(QBoxLayout *layout, int left, int top, int right, int bottom)
{
    const DPIinfo &dpi = DPIinfo::getInstance();
    layout->setContentsMargins(dpi.scaled(left), dpi.scaled(top), dpi.scaled(right), dpi.scaled(bottom));
}

void setScaledSpacing(QBoxLayout *layout, int spacing)
{
    layout->setSpacing(DPIinfo::getInstance().scaled(spacing));
}
