#pragma once

#include <QWidget>

#include "wizard-codes.h"

class QLabel;
class QPushButton;

// The connection status once the server is registered. One class serves the
// four variants; each object builds only the widgets of its own variant.
class SummaryPage : public QWidget
{
    Q_OBJECT
public:
    SummaryPage(QWidget *parent, int variant);

    // Fills the page for `variant` (its own): `text` is the formatted time of
    // variants 2 and 3; the two flags choose the warnings of variant 0.
    void updateStatus(int variant, const QString &text, bool quotaExceeded, bool restricted);

    // "https://<first line of the domain file>/admin/ldap-sync", or empty
    // (and logged) when the file cannot be read.
    QString getUrl() const;

signals:
    void sigOpenEditConnectionInfo();

private:
    void buildConnected();
    void buildApprovalRequired();
    void buildDisconnected();
    void buildLdapServerOffline();
    QLabel *addTitle(const QString &text, int height);
    QLabel *addDescription(const char *styleKey, bool withLinks = false);
    QLabel *addWarning(int stringIndex);

    QLabel *imageLabel = nullptr;
    QLabel *titleLabel = nullptr;
    QLabel *descriptionLabel = nullptr;
    QLabel *quotaLabel = nullptr;
    QLabel *restrictedLabel = nullptr;
    QPushButton *approveButton = nullptr;
};
