#include "wizard/page-parts.h"

#include "ui-strings.h"

#include <QHBoxLayout>
#include <QLabel>

#include "services/dpi-info.h"
#include "services/image-manager.h"
#include "services/style-manager.h"

namespace PageParts {

int px(int designLength)
{
    return DPIinfo::getInstance().scaled(designLength);
}

void applyStyle(QWidget *widget, const char *key)
{
    widget->setStyleSheet(getStyleSheet(key, false));
}

QString requiredFieldCaption(int stringIndex)
{
    return uiString(stringIndex) + uiString(UiText::CommonColon)
        + QStringLiteral("<span style=\"color:red;\">*</span>");
}

QPixmap squareImage(const char *name, int side)
{
    const DPIinfo &dpi = DPIinfo::getInstance();
    const QPixmap image = getGlobalImage(name, ImageManager::Normal);
    if (image.isNull())
        return image;
    const int devicePixels = int(side * dpi.getDPI() * dpi.getDPR());
    return image.scaled(devicePixels, devicePixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

void setObjectNames(std::initializer_list<std::pair<QWidget *, const char *>> names)
{
    for (const auto &[widget, name] : names)
        widget->setObjectName(QString::fromLatin1(name));
}

QHBoxLayout *stretchedRow(QWidget *first, int spacing, QWidget *second)
{
    auto *row = new QHBoxLayout;
    row->setSpacing(0);
    row->setContentsMargins(0, 0, 0, 0);
    row->addStretch();
    row->addWidget(first);
    if (second) {
        row->addSpacing(px(spacing));
        row->addWidget(second);
    }
    row->addStretch();
    return row;
}

QHBoxLayout *alignedRow(QWidget *widget)
{
    auto *row = new QHBoxLayout;
    row->setSpacing(0);
    row->setContentsMargins(0, 0, 0, 0);
    row->setAlignment(Qt::AlignCenter);
    row->addWidget(widget);
    return row;
}

QLabel *statusImageLabel(const char *name)
{
    auto *label = new QLabel;
    label->setFixedSize(px(120), px(120));
    label->setAlignment(Qt::AlignCenter);
    label->setPixmap(squareImage(name, 120));
    return label;
}

} // namespace PageParts
