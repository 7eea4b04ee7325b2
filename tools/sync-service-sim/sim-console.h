#pragma once

#include <QByteArray>
#include <QObject>
#include <QSocketNotifier>

class SimulatedService;

// Reads commands from standard input, one per line, while the event loop runs,
// and applies them to the simulated service.
class SimConsole : public QObject
{
    Q_OBJECT
public:
    explicit SimConsole(SimulatedService &service, QObject *parent = nullptr);

    // Applies one command line and prints the outcome.
    void run(const QString &line);

private:
    void slotReadable();

    SimulatedService &service;
    QSocketNotifier notifier;
    QByteArray partial;
};
