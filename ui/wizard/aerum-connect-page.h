#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

// The step that authorises the server with a display name and a connect key.
// Back returns to the LDAP form and asks the service to forget the settings
// sent before; Connect registers the server.
class AerumConnectPage : public QWidget
{
    Q_OBJECT
public:
    explicit AerumConnectPage(QWidget *parent = nullptr);

    // Empties both boxes and restyles them; a visible warning stays.
    void resetFields();
    // Marks one field (0 or 1), shows the warning beside it and gives it the
    // keyboard; other values do nothing.
    void showFieldWarning(int field);

    // Gives the keyboard to the first box, as when the page appears.
    void focusFirstField();

signals:
    void sigBackToLdapInfoPage();
    void sigSendConnectKeyToService(const QString &server_display_name, const QString &connect_key);
    void sigSendResetLdapInfoEventToService();

protected:
    bool eventFilter(QObject *object, QEvent *event) override;

private:

    QLabel *titleLabel;
    QLabel *descriptionLabel;
    QLabel *connectKeyLabel;
    QLabel *serverDisplayNameLabel;
    QLabel *warningLabel = nullptr;
    QLineEdit *connectKeyEdit;
    QLineEdit *serverDisplayNameEdit;
    QPushButton *backButton;
    QPushButton *connectButton;
};
