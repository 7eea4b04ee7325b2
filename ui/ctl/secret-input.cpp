#include "secret-input.h"

#include <QByteArray>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Far more than any password or key; a larger input is a mistake, not a secret.
constexpr qsizetype kMaxSecretBytes = 64 * 1024;

// Reads to the end of `fd`, at most kMaxSecretBytes + 1 bytes.
bool readAll(int fd, QByteArray *bytes, int *error)
{
    char chunk[4096];
    while (bytes->size() <= kMaxSecretBytes) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            *error = errno;
            return false;
        }
        if (got == 0)
            break;
        bytes->append(chunk, int(got));
    }
    return true;
}

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Why the opened file may not hold a secret, or an empty string.
QString unsafeFile(int fd, const QString &what, const QString &path)
{
    struct stat status{};
    if (::fstat(fd, &status) != 0)
        return QStringLiteral("cannot check the %1 file %2: %3").arg(what, path, systemError(errno));
    if (!S_ISREG(status.st_mode))
        return QStringLiteral("the %1 file %2 is not a regular file").arg(what, path);
    if (status.st_uid != ::geteuid())
        return QStringLiteral("the %1 file %2 is not owned by this user").arg(what, path);
    if (status.st_mode & (S_IRGRP | S_IWGRP | S_IROTH | S_IWOTH))
        return QStringLiteral("the %1 file %2 can be read or written by others: allow only its owner (chmod 600)")
            .arg(what, path);
    return QString();
}

} // namespace

bool readSecret(const SecretOrigin &origin, const QString &what, QString *secret, QString *error)
{
    QByteArray bytes;
    int readError = 0;
    bool read = false;
    if (origin.fromStdin) {
        read = readAll(STDIN_FILENO, &bytes, &readError);
    } else {
        // Non-blocking, so that a named pipe in its place is refused instead of waited on.
        const int fd = ::open(QFile::encodeName(origin.file).constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
        if (fd < 0) {
            *error = QStringLiteral("cannot open the %1 file %2: %3").arg(what, origin.file, systemError(errno));
            return false;
        }
        *error = unsafeFile(fd, what, origin.file);
        read = error->isEmpty() && readAll(fd, &bytes, &readError);
        ::close(fd);
        if (!error->isEmpty())
            return false;
    }
    if (!read) {
        *error = QStringLiteral("cannot read the %1: %2").arg(what, systemError(readError));
        return false;
    }
    if (bytes.size() > kMaxSecretBytes) {
        *error = QStringLiteral("the %1 is longer than %2 bytes").arg(what).arg(kMaxSecretBytes);
        return false;
    }
    if (bytes.endsWith('\n'))
        bytes.chop(bytes.endsWith("\r\n") ? 2 : 1);
    *secret = QString::fromUtf8(bytes);
    return true;
}
