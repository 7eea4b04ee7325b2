#pragma once

#include <QApplication>
#include <QLockFile>

#include <memory>

// The application object of a program that runs once per user. The lock is a
// QLockFile in the user's runtime folder (or the temp folder); a lock left by
// a crashed instance is taken over.
class SingleInstanceApplication : public QApplication
{
    Q_OBJECT
public:
    SingleInstanceApplication(int &argc, char **argv, bool guiEnabled = true);
    ~SingleInstanceApplication() override;

    // True while another instance holds the lock; false once this one has it.
    bool isRunning();

private:
    std::unique_ptr<QLockFile> m_lock;
};
