#pragma once

#include <QFrame>

class QEventLoop;
class QLabel;
class WindowKeyBlock;

// The white card that says the agent is waiting for the service. runCard()
// blocks in a local loop until stopCard() is called, so the reply that ends
// the wait has been handled when runCard() returns.
class AerumLoadingFrame : public QFrame
{
    Q_OBJECT
public:
    explicit AerumLoadingFrame(QWidget *parent = nullptr);

    void setText(const QString &text);
    void setIcon(const QPixmap &pixmap);

    // Sizes the card to its text, shows it and waits for stopCard().
    void runCard();
    // Ends a running wait, if any, and hides the card.
    void stopCard();

private:
    QLabel *iconLabel;
    QLabel *textLabel;
    QEventLoop *eventLoop = nullptr;
    WindowKeyBlock *keyBlock;
};
