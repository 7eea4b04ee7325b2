#pragma once

#include "ldap-fields.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The form for how the service reaches the LDAP server. It checks nothing:
// Next hands the six values to the hub, and the service's verdict comes back
// through showFieldWarning().
class LDAPInfoPage : public QWidget
{
    Q_OBJECT
public:
    explicit LDAPInfoPage(QWidget *parent = nullptr);

    // Empties the five boxes and clears their marks; the protocol choice and
    // a visible warning stay.
    void resetFields();
    // Marks one field (0 to 4), shows the warning beside it and gives it the
    // keyboard; other values do nothing.
    void showFieldWarning(int field);

    // Gives the keyboard to the first box, as when the form appears.
    void focusFirstField();

signals:
    void sigSendLDAPInfoToService(const QString &host, const QString &basedn, const QString &binddn,
                                  const QString &password, const QString &port, const bool isLdaps);

protected:
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    bool isLdaps() const;
    // Clears every mark and hides the warning.
    void hideWarning();

    QLabel *titleLabel;
    QLabel *descriptionLabel;
    QLabel *hostLabel;
    QLabel *baseDnLabel;
    QLabel *bindDnLabel;
    QLabel *passwordLabel;
    QLabel *portLabel;
    QLabel *protocolLabel;
    QLabel *warningLabel = nullptr;
    QLineEdit *hostEdit;
    QLineEdit *baseDnEdit;
    QLineEdit *bindDnEdit;
    QLineEdit *passwordEdit;
    QLineEdit *portEdit;
    QComboBox *protocolCombo;
    QPushButton *nextButton;

    // The five boxes in field-code order.
    LdapFields::Edits fieldEdits() const;
};
