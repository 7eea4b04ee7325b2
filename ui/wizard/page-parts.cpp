#include "page-parts.h"

#include "ui-strings.h"

#include <QGraphicsDropShadowEffect>
#include <QHBoxLayout>
#include <QLabel>

#include "services/dpi-info.h"
#include "services/image-manager.h"
#include "services/style-manager.h"
#include "sheets/message-sheet.h"

namespace PageParts {

void applyStyle(QWidget *widget, const char *key)
{
    widget->setStyleSheet(getStyleSheet(key, false));
}

QString requiredFieldCaption(int stringIndex)
{
    return uiString(stringIndex) + uiString(UiText::CommonColon)
        + QStringLiteral("<span style=\"color:red;\">*</span>");
}

QLabel *fieldLabel(int stringIndex, const char *styleKey)
{
    const DPIinfo &dpi = DPIinfo::getInstance();
    auto *label = new QLabel(requiredFieldCaption(stringIndex));
    applyStyle(label, styleKey);
    label->setFixedSize(dpi.scaled(160), dpi.scaled(32));
    return label;
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
        row->addSpacing(DPIinfo::getInstance().scaled(spacing));
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
    const DPIinfo &dpi = DPIinfo::getInstance();
    auto *label = new QLabel;
    label->setFixedSize(dpi.scaled(120), dpi.scaled(120));
    label->setAlignment(Qt::AlignCenter);
    label->setPixmap(squareImage(name, 120));
    return label;
}

void prepareWarningSheet(OrvaMessageSheet &sheet, int message)
{
    const DPIinfo &dpi = DPIinfo::getInstance();
    sheet.setStyleSheet(getStyleSheet("message_sheet_warning", false));
    sheet.setMaximumWidth(int(480 * dpi.getDPI()));
    sheet.setFixedSize(int(480 * dpi.getDPI()), int(176 * dpi.getDPI()));
    sheet.setText(uiString(message));
}

void addCardShadow(QWidget *card, int blurRadius)
{
    auto *shadow = new QGraphicsDropShadowEffect(card);
    shadow->setYOffset(4);
    shadow->setBlurRadius(blurRadius);
    shadow->setColor(QColor(0, 0, 0, 61));
    card->setGraphicsEffect(shadow);
}

} // namespace PageParts
