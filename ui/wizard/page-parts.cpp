#include "page-parts.h"

#include "ui-strings.h"

#include <QGraphicsDropShadowEffect>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include "services/dpi-info.h"
#include "services/image-manager.h"
#include "services/style-manager.h"
#include "sheets/message-label.h"
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

QLabel *fieldLabel(int stringIndex, const char *styleKey, int designWidth)
{
    const DPIinfo &dpi = DPIinfo::getInstance();
    auto *label = new QLabel(requiredFieldCaption(stringIndex));
    applyStyle(label, styleKey);
    label->setFixedSize(dpi.scaled(designWidth), dpi.scaled(32));
    label->setAccessibleName(uiString(stringIndex));
    return label;
}

void pairCaptions(std::initializer_list<std::pair<QLabel *, QWidget *>> pairs)
{
    for (const auto &[caption, field] : pairs)
        caption->setBuddy(field);
}

void nameRequiredField(QWidget *field, int captionIndex)
{
    field->setAccessibleName(uiString(captionIndex));
    describeFieldWarning(field);
}

void describeFieldWarning(QWidget *field, const QString &warning)
{
    field->setAccessibleDescription(warning.isEmpty() ? uiString(UiText::Required) : warning);
}

void placeWarningBeside(QLabel *warning, QWidget *field)
{
    const DPIinfo &dpi = DPIinfo::getInstance();
    QWidget *page = warning->parentWidget();
    // A page that is not current yet has not placed its fields.
    if (page->layout())
        page->layout()->activate();
    const QRect box = field->geometry();
    const int x = box.right() + 1 + dpi.scaled(8);
    const int room = page->width() - dpi.scaled(8) - x;
    warning->setWordWrap(false);
    warning->setMinimumSize(0, 0);
    warning->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    QSize size = warning->sizeHint();
    if (size.width() > room) {
        warning->setWordWrap(true);
        size = QSize(room, warning->heightForWidth(room));
    }
    size.setHeight(qMax(size.height(), box.height()));
    warning->setFixedSize(size);
    warning->move(x, box.center().y() + 1 - size.height() / 2);
}

QPushButton *captionButton(int stringIndex, const QString &styleSheet, int designWidth, int designHeight)
{
    const DPIinfo &dpi = DPIinfo::getInstance();
    auto *button = new QPushButton(uiString(stringIndex));
    button->setStyleSheet(styleSheet);
    button->setFixedHeight(dpi.scaled(designHeight));
    // Measured here: a styled button's size hint leaves out its padding. The
    // focus mark may draw a thicker border, which the caption must clear too.
    button->ensurePolished();
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    int frame = 0;
    for (QStyle::State focus : {QStyle::State_None, QStyle::State_HasFocus}) {
        option.state |= focus;
        const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        frame = qMax(frame, option.rect.width() - room.width());
    }
    const int needed = button->fontMetrics().size(Qt::TextShowMnemonic, button->text()).width() + frame;
    button->setFixedWidth(qMax(dpi.scaled(designWidth), needed));
    // Return presses a focused button as Space does, on the pages as in dialogs.
    button->setAutoDefault(true);
    return button;
}

void alignCaptions(const QList<QLabel *> &captions, int designWidth)
{
    int width = DPIinfo::getInstance().scaled(designWidth);
    for (QLabel *caption : captions)
        width = qMax(width, captionWidth(caption));
    for (QLabel *caption : captions)
        caption->setFixedWidth(width);
}

int captionWidth(QLabel *caption)
{
    caption->ensurePolished();
    return caption->sizeHint().width();
}

void growWithText(QLabel *label, int designWidth, int designHeight)
{
    const DPIinfo &dpi = DPIinfo::getInstance();
    label->setFixedWidth(dpi.scaled(designWidth));
    label->setMinimumHeight(dpi.scaled(designHeight));
    label->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Minimum);
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
    sheet.setFixedWidth(int(480 * dpi.getDPI()));
    // A message that runs long in some languages makes the sheet taller
    // instead of pushing its text under the button.
    sheet.setMinimumHeight(int(176 * dpi.getDPI()));
    sheet.setText(uiString(message));
    // The icon says "warning" to the eye only.
    sheet.setAccessibleName(uiString(UiText::Warning));
    sheet.setAccessibleDescription(MessageLabel::readableText(uiString(message)));
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
