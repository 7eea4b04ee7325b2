#include "page-parts.h"

#include "services/dpi-info.h"
#include "widgets/orva-label.h"

int px(int designLength)
{
    return DPIinfo::getInstance().scaled(designLength);
}

OrvaLabel *sectionTitle(const QString &text)
{
    auto *label = new OrvaLabel(text);
    label->setStyleSheet(DPIinfo::getInstance().getScaledStyleSheet(
        "QLabel { color: #5B6B7C; font-size: 12px; font-weight: 600; background: transparent; }"));
    return label;
}
