#include "init-page.h"

#include "ui-strings.h"
#include "page-parts.h"

#include <QLabel>
#include <QVBoxLayout>

#include "services/dpi-info.h"

using namespace PageParts;

namespace {

QLabel *textLabel(int stringIndex, const char *styleKey, int height)
{
    const DPIinfo &dpi = DPIinfo::getInstance();
    auto *label = new QLabel(uiString(stringIndex));
    applyStyle(label, styleKey);
    label->setFixedSize(dpi.scaled(600), dpi.scaled(height));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

InitPage::InitPage(QWidget *parent)
    : QWidget(parent)
{
    const DPIinfo &dpi = DPIinfo::getInstance();
    QLabel *description = textLabel(UiText::InitializingDesc, "welcome_description", 48);
    description->setWordWrap(true);

    auto *page = new QVBoxLayout(this);
    page->setSpacing(0);
    page->setContentsMargins(0, 0, 0, 0);
    page->addStretch(1);
    page->addLayout(alignedRow(statusImageLabel("status_m_init")));
    page->addSpacing(dpi.scaled(12));
    page->addLayout(alignedRow(textLabel(UiText::Initializing, "summary_success_info", 32)));
    page->addSpacing(dpi.scaled(12));
    page->addLayout(alignedRow(description));
    page->addStretch(1);

    // Screen readers announce the page by its title and message.
    setAccessibleName(uiString(UiText::Initializing));
    setAccessibleDescription(uiString(UiText::InitializingDesc));
}
