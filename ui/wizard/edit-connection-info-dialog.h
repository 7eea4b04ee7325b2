#pragma once

#include "ldap-fields.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// Edits the LDAP settings of a registered server in place: a frameless white
// card with a shadow. OK hands the values to the hub; the client manager keeps
// the buttons disabled until the service has answered.
class EditConnectionInfoDialog : public QDialog
{
    Q_OBJECT
public:
    explicit EditConnectionInfoDialog(QWidget *parent = nullptr);

    // Shows the stored settings; the password box is always emptied and the
    // protocol flag is kept to be sent back unchanged.
    void setLdapInfo(const QString &host, const QString &basedn, const QString &binddn, const QString &port,
                     bool isLdaps);
    // Disables OK and Cancel while a request is under way.
    void setBusy(bool busy);
    // Marks one field (0 to 4), shows the warning row and gives the field
    // the keyboard; other values only clear.
    void showFieldWarning(int field);
    // Gives the keyboard to the first box, as when the dialog opens.
    void focusFirstField();
    void clearWarnings();

signals:
    void sigApplyEditLdapInfo(const QString &host, const QString &basedn, const QString &binddn,
                              const QString &password, const QString &port, const bool isLdaps);

protected:
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    LdapFields::Edits fieldEdits() const;

    QLabel *titleLabel;
    QLabel *descriptionLabel;
    QLabel *hostLabel;
    QLabel *baseDnLabel;
    QLabel *bindDnLabel;
    QLabel *passwordLabel;
    QLabel *portLabel;
    QLabel *warningLabel;
    QLineEdit *hostEdit;
    QLineEdit *baseDnEdit;
    QLineEdit *bindDnEdit;
    QLineEdit *passwordEdit;
    QLineEdit *portEdit;
    QPushButton *okButton;
    QPushButton *cancelButton;
    bool isLdaps = false;
};
