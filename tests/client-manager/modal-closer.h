#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

// Answers the modal windows the agent opens (message sheets and message
// boxes) the way a person would: it waits until one is up, notes its text
// and where it stands, leaves it open for `holdMs`, then presses its only
// button. Nested modal loops make this the only way a test can get past them.
class ModalCloser : public QObject
{
    Q_OBJECT
public:
    explicit ModalCloser(int holdMs = 0);

    struct Seen
    {
        QString kind; // "sheet" or "box"
        QString text;
        QString hostWindow; // class name of the window a sheet stands in
    };
    QList<Seen> seen;

private:
    void look();

    QTimer poll;
    const int holdMs;
    QPointer<QObject> holding;
};
