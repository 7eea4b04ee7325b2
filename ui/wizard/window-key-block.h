#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

// Keeps the keys away from one window's widgets while a loading card waits
// over it. The card's mask stops the mouse; without this, Space on the button
// that was just clicked would send the request again and nest a second wait.
// Escape still gets through, so the window can always be closed.
class WindowKeyBlock : public QObject
{
    Q_OBJECT
public:
    explicit WindowKeyBlock(QObject *parent = nullptr);
    ~WindowKeyBlock() override;

    void start(QWidget *window);
    void stop();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWidget> blocked;
};
