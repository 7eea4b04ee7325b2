#include "summary-page.h"

#include "file-logger.h"
#include "global-connecter.h"
#include "link-text-label.h"
#include "page-parts.h"
#include "platform-paths.h"
#include "summary-texts.h"
#include "ui-strings.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "sheets/message-label.h"
#include "services/dpi-info.h"
#include "services/style-manager.h"

using namespace PageParts;

namespace {

QVBoxLayout *pageLayout(QWidget *page, const char *imageName, QLabel **imageLabel)
{
    auto *layout = new QVBoxLayout(page);
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch();
    *imageLabel = statusImageLabel(imageName);
    layout->addLayout(alignedRow(*imageLabel));
    return layout;
}

QVBoxLayout *layoutOf(QWidget *page)
{
    return static_cast<QVBoxLayout *>(page->layout());
}

} // namespace

SummaryPage::SummaryPage(QWidget *parent, int variant)
    : QWidget(parent)
{
    switch (variant) {
    case SummaryVariant::Connected:
        buildConnected();
        break;
    case SummaryVariant::ApprovalRequired:
        buildApprovalRequired();
        break;
    case SummaryVariant::Disconnected:
        buildDisconnected();
        break;
    case SummaryVariant::LdapServerOffline:
        buildLdapServerOffline();
        break;
    default:
        return;
    }
    layoutOf(this)->addStretch();
    // Screen readers announce the page by its title and message.
    setAccessibleName(titleLabel->text());
    setAccessibleDescription(MessageLabel::readableText(descriptionLabel->text()));
}

QLabel *SummaryPage::addTitle(const QString &text, int height)
{
    const DPIinfo &dpi = DPIinfo::getInstance();
    auto *title = new QLabel(text);
    applyStyle(title, "summary_success_info");
    title->setFixedSize(dpi.scaled(600), dpi.scaled(height));
    title->setAlignment(Qt::AlignCenter);
    layoutOf(this)->addSpacing(dpi.scaled(12));
    layoutOf(this)->addLayout(alignedRow(title));
    return title;
}

QLabel *SummaryPage::addDescription(const char *styleKey, bool withLinks)
{
    const DPIinfo &dpi = DPIinfo::getInstance();
    // Links are reached with Tab and followed with Return, too.
    QLabel *description = withLinks ? new LinkTextLabel : new QLabel;
    applyStyle(description, styleKey);
    // Two lines of text in English; as many as a language needs.
    growWithText(description, 600, 48);
    description->setWordWrap(true);
    description->setAlignment(Qt::AlignCenter);
    description->setContentsMargins(0, 0, 0, 0);
    layoutOf(this)->addSpacing(dpi.scaled(12));
    layoutOf(this)->addLayout(alignedRow(description));
    return description;
}

QLabel *SummaryPage::addWarning(int stringIndex)
{
    const DPIinfo &dpi = DPIinfo::getInstance();
    auto *warning = new QLabel(uiString(stringIndex));
    applyStyle(warning, "welcome_warning");
    warning->setFixedWidth(dpi.scaled(600));
    warning->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Minimum);
    warning->setWordWrap(true);
    warning->setAlignment(Qt::AlignCenter);
    warning->setOpenExternalLinks(true);
    warning->setContentsMargins(0, 0, 0, 0);
    layoutOf(this)->addSpacing(dpi.scaled(12));
    layoutOf(this)->addLayout(alignedRow(warning));
    return warning;
}

void SummaryPage::buildConnected()
{
    pageLayout(this, "status_m_done", &imageLabel);
    titleLabel = addTitle(summaryTitle(SummaryVariant::Connected), 32);
    descriptionLabel = addDescription("welcome_description", true);
    descriptionLabel->setOpenExternalLinks(true);
    quotaLabel = addWarning(UiText::QuotaExceededDesc);
    restrictedLabel = addWarning(UiText::RestrictionModeDesc);
    setObjectNames({{descriptionLabel, "description"}, {quotaLabel, "quota"}, {restrictedLabel, "restricted"}});
    restrictedLabel->hide();
}

void SummaryPage::buildApprovalRequired()
{
    const DPIinfo &dpi = DPIinfo::getInstance();
    pageLayout(this, "status_m_staged", &imageLabel);
    applyStyle(imageLabel, "not_approved_image");
    titleLabel = addTitle(summaryTitle(SummaryVariant::ApprovalRequired), 56);
    titleLabel->setWordWrap(true);
    descriptionLabel = addDescription("summary_staged_info");
    descriptionLabel->setText(summaryDescription(SummaryVariant::ApprovalRequired, QString(), QString()));

    approveButton = captionButton(UiText::ApproveOnAdminPortal, getStyleSheet("aerum_button", false), 213, 36);
    approveButton->setObjectName(QStringLiteral("approve"));
    layoutOf(this)->addSpacing(dpi.scaled(40));
    layoutOf(this)->addLayout(alignedRow(approveButton));
}

void SummaryPage::buildDisconnected()
{
    pageLayout(this, "status_m_offline", &imageLabel);
    titleLabel = addTitle(summaryTitle(SummaryVariant::Disconnected), 32);
    descriptionLabel = addDescription("welcome_description");
    descriptionLabel->setObjectName(QStringLiteral("description"));
}

void SummaryPage::buildLdapServerOffline()
{
    pageLayout(this, "status_m_offline", &imageLabel);
    titleLabel = addTitle(summaryTitle(SummaryVariant::LdapServerOffline), 32);
    descriptionLabel = addDescription("welcome_description", true);
    descriptionLabel->setTextFormat(Qt::RichText);
    descriptionLabel->setObjectName(QStringLiteral("description"));
    // The link edits the settings in place; it must never reach a browser.
    descriptionLabel->setOpenExternalLinks(false);
    connect(descriptionLabel, &QLabel::linkActivated, this, [this] { emit sigOpenEditConnectionInfo(); });
    connect(this, SIGNAL(sigOpenEditConnectionInfo()), GlobalConnecter::getInstance(),
            SIGNAL(sigOpenEditConnectionInfo()));
}

void SummaryPage::updateStatus(int variant, const QString &text, bool quotaExceeded, bool restricted)
{
    switch (variant) {
    case SummaryVariant::Connected: {
        descriptionLabel->setText(summaryDescription(SummaryVariant::Connected, QString(), getUrl()));
        const int warning = summaryWarning(quotaExceeded, restricted);
        restrictedLabel->setVisible(warning == UiText::RestrictionModeDesc);
        quotaLabel->setVisible(warning == UiText::QuotaExceededDesc);
        break;
    }
    case SummaryVariant::ApprovalRequired:
        // Rebuilt on every update, so repeated updates leave one handler.
        disconnect(approveButton, &QPushButton::clicked, nullptr, nullptr);
        connect(approveButton, &QPushButton::clicked, this,
                [this] { QDesktopServices::openUrl(QUrl(getUrl(), QUrl::TolerantMode)); });
        break;
    case SummaryVariant::Disconnected:
    case SummaryVariant::LdapServerOffline:
        descriptionLabel->setText(summaryDescription(SummaryVariant::Code(variant), text, QString()));
        break;
    default:
        break;
    }
    if (descriptionLabel)
        setAccessibleDescription(MessageLabel::readableText(descriptionLabel->text()));
}

QString SummaryPage::getUrl() const
{
    const QString url = adminPortalUrl();
    if (url.isNull())
        LOG_ERROR("getUrl: Open file %s failed", PlatformPaths::domainFile().toUtf8().constData());
    return url;
}
