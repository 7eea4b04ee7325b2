#include <QtTest>

#include "test-main.h"

#include "file-logger.h"

#include <fcntl.h>
#include <thread>
#include <unistd.h>

namespace {

void writeLine(const std::string &component, int level, const char *format, ...)
{
    va_list args;
    va_start(args, format);
    logWrite(component, level, format, args);
    va_end(args);
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool processHoldsOpen(const QString &path)
{
    const QString wanted = QFileInfo(path).canonicalFilePath();
    const QDir fds("/proc/self/fd");
    for (const QString &fd : fds.entryList(QDir::Files | QDir::System))
        if (QFile::symLinkTarget(fds.filePath(fd)) == wanted)
            return true;
    return false;
}

const char *const kStamp = R"(\d{4}/\d{2}/\d{2} \d{2}:\d{2}:\d{2} [+-]\d{4} )";

} // namespace

class TestFileLogger : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }

private slots:
    void lineLayout_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("pattern");
        QTest::newRow("error") << 3 << "[ERROR][%s:%d] broken pipe"
                               << QString(kStamp) + R"(\[ERROR\]\[test-file-logger\.cpp:42\] broken pipe\n)";
        QTest::newRow("info with own line feed") << 6 << "[INFO][%s:%d] started\n"
                                                 << QString(kStamp) + R"(\[INFO\]\[test-file-logger\.cpp:42\] started\n)";
        QTest::newRow("milliseconds") << 7 << "tick %s %d"
                                      << QString(kStamp) + R"(:\d{1,3} tick test-file-logger\.cpp 42\n)";
        QTest::newRow("no time stamp") << 8 << "bare %s:%d" << R"(bare test-file-logger\.cpp:42\n)";
    }
    void lineLayout()
    {
        QFETCH(int, level);
        QFETCH(QString, format);
        QFETCH(QString, pattern);
        const QString file = path(QString("layout-%1.txt").arg(level));
        QCOMPARE(logInit(LogToFile, file.toStdString(), "", 50, 1, "layout"), 0);
        writeLine("layout", level, format.toUtf8().constData(), logBaseName(__FILE__), 42);
        const QString written = QString::fromUtf8(readAll(file));
        QVERIFY2(QRegularExpression("\\A" + pattern + "\\z").match(written).hasMatch(), qPrintable(written));
    }

    void macrosNameTheSourceFileAndLine()
    {
        const QString file = path("macros.txt");
        QCOMPARE(logInit(LogToFile, file.toStdString(), "", 50, 1, "DEFAULT"), 0);
        const int line = __LINE__ + 1;
        LOG_ERROR("code %d", 7);
        LOG_INFO("plain");
        const QList<QByteArray> lines = readAll(file).split('\n');
        QVERIFY(lines[0].endsWith(QString("[ERROR][test-file-logger.cpp:%1] code 7").arg(line).toUtf8()));
        QVERIFY(lines[1].endsWith(QString("[INFO][test-file-logger.cpp:%1] plain").arg(line + 1).toUtf8()));
    }

    // The whole line reaches the file, however long its format and arguments.
    void longLinesAreWrittenWhole()
    {
        const QString file = path("long.txt");
        QCOMPARE(logInit(LogToFile, file.toStdString(), "", 50, 1, "long"), 0);
        const std::string longFormat = std::string(10000, 'f') + " %s";
        const std::string longArgument(20000, 'a');
        writeLine("long", 8, longFormat.c_str(), longArgument.c_str());
        QCOMPARE(readAll(file), QByteArray::fromStdString(longFormat.substr(0, 10000) + " " + longArgument + "\n"));
    }

    void rotatesOnlyWhenTheCountedSizePassesOneMebibyte()
    {
        const QString file = path("boundary.txt");
        // The size already on disk counts too.
        QFile existing(file);
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.write(QByteArray(1048576 - 100, 'x') + '\n');
        existing.close();
        QCOMPARE(logInit(LogToFile, file.toStdString(), "", 50, 1, "boundary"), 0);

        const std::string exactFill(98, 'y');
        writeLine("boundary", 8, "%s", exactFill.c_str()); // 99 bytes: exactly 1 MiB in all
        QVERIFY(!QFile::exists(file + "_0"));
        writeLine("boundary", 8, "z");
        QCOMPARE(QFileInfo(file + "_0").size(), qint64(1048576 + 2));
        QCOMPARE(QFileInfo(file).size(), qint64(0));
        writeLine("boundary", 8, "after");
        QCOMPARE(readAll(file), QByteArray("after\n"));
    }

    void rotationShiftsTheChainAndKeepsAtMost49Files()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("ui.txt");
        QCOMPARE(logInit(LogToFile, file.toStdString(), "", 50, 1, "chain"), 0);
        const std::string filler(1048576, '.');
        // Every line passes the limit on its own, so each causes one rotation.
        for (int i = 0; i < 55; ++i)
            writeLine("chain", 8, "line %d %s", i, filler.c_str());

        QStringList rotated = QDir(dir.path()).entryList({"ui.txt_*"}, QDir::Files);
        QCOMPARE(rotated.size(), 49);
        QVERIFY(!QFile::exists(file + "_49"));
        for (int n : {0, 1, 48})
            QVERIFY2(readAll(file + "_" + QString::number(n)).startsWith(QString("line %1 ").arg(54 - n).toUtf8()),
                     qPrintable(QString::number(n)));
        QCOMPARE(QFileInfo(file).size(), qint64(0));
    }

    void reconfiguringClosesTheFirstFile()
    {
        const QString first = path("first.txt");
        const QString second = path("second.txt");
        QCOMPARE(logInit(LogToFile, first.toStdString(), "", 50, 1, "again"), 0);
        writeLine("again", 8, "one");
        QVERIFY(processHoldsOpen(first));
        QCOMPARE(logInit(LogToFile, second.toStdString(), "", 50, 1, "again"), 0);
        QVERIFY(!processHoldsOpen(first));
        writeLine("again", 8, "two");
        QCOMPARE(readAll(first), QByteArray("one\n"));
        QCOMPARE(readAll(second), QByteArray("two\n"));
    }

    void failedConfigurationWritesNothing_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::newRow("empty name") << QString();
        QTest::newRow("missing folder") << path("no/such/folder/ui.txt");
    }
    void failedConfigurationWritesNothing()
    {
        QFETCH(QString, fileName);
        const QString earlier = path("earlier.txt");
        QCOMPARE(logInit(LogToFile, earlier.toStdString(), "", 50, 1, "failing"), 0);
        QCOMPARE(logInit(LogToFile, fileName.toStdString(), "", 50, 1, "failing"), -1);
        writeLine("failing", 3, "dropped");
        QCOMPARE(readAll(earlier), QByteArray());
        QVERIFY(!processHoldsOpen(earlier));
    }

    void concurrentWritersNeitherInterleaveNorLoseLines_data()
    {
        QTest::addColumn<int>("bodyLength");
        QTest::addColumn<int>("extraRotations");
        QTest::addColumn<bool>("rotates");
        // 10000 lines of about 90 bytes stay below the rotation size.
        QTest::newRow("one file") << 50 << 0 << false;
        // About 10 MiB: the writers rotate the file between them, ten times.
        QTest::newRow("across the rotation") << 1000 << 0 << true;
        // A third thread rotates too, while the writers write (fewer than the
        // 99 copies kept, so no line is deleted).
        QTest::newRow("with rotations from outside") << 120 << 90 << true;
    }
    void concurrentWritersNeitherInterleaveNorLoseLines()
    {
        QFETCH(int, bodyLength);
        QFETCH(int, extraRotations);
        QFETCH(bool, rotates);
        QTemporaryDir dir;
        const QString file = dir.filePath("ui.txt");
        QCOMPARE(logInit(LogToFile, file.toStdString(), "", 100, 1, "threads"), 0);
        constexpr int kLines = 5000;
        auto writer = [bodyLength](char tag) {
            const std::string body(std::size_t(bodyLength), tag);
            for (int i = 0; i < kLines; ++i)
                writeLine("threads", 6, "%c %d %s", tag, i, body.c_str());
        };
        std::thread a(writer, 'a');
        std::thread b(writer, 'b');
        std::thread rotator([extraRotations] {
            for (int i = 0; i < extraRotations; ++i) {
                std::this_thread::yield();
                logRotate("threads");
            }
        });
        a.join();
        b.join();
        rotator.join();

        // Oldest first: the highest rotated number down to 0, then the current file.
        const QStringList rotated = QDir(dir.path()).entryList({"ui.txt_*"}, QDir::Files);
        QByteArray all;
        for (int n = rotated.size() - 1; n >= 0; --n)
            all += readAll(file + "_" + QString::number(n));
        all += readAll(file);
        QCOMPARE(!rotated.isEmpty(), rotates);

        QHash<char, int> nextIndex;
        const QList<QByteArray> lines = all.split('\n');
        QCOMPARE(lines.size(), 2 * kLines + 1);
        const QRegularExpression shape(QString("\\A") + kStamp + R"(([ab]) (\d+) ([ab]+)\z)");
        for (int i = 0; i < 2 * kLines; ++i) {
            const QString line = QString::fromLatin1(lines[i]);
            const auto match = shape.match(line);
            QVERIFY2(match.hasMatch(), qPrintable(line.left(80)));
            const char tag = match.captured(1).at(0).toLatin1();
            QCOMPARE(match.captured(3), QString(bodyLength, QLatin1Char(tag)));
            QCOMPARE(match.captured(2).toInt(), nextIndex[tag]++);
        }
        QCOMPARE(nextIndex.value('a'), kLines);
        QCOMPARE(nextIndex.value('b'), kLines);
    }

    // A standard stream has no copies to shift: it must stay open for later lines.
    void rotatingAStandardStreamIsRefused()
    {
        const QString captured = path("stderr.txt");
        std::fflush(stderr);
        const int savedStderr = ::dup(STDERR_FILENO);
        const int capture = ::open(QFile::encodeName(captured).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        QVERIFY(savedStderr >= 0 && capture >= 0);
        ::dup2(capture, STDERR_FILENO);
        ::close(capture);

        QCOMPARE(logInit(LogToStderr, "", "", 50, 0, "stderr"), 0);
        const int result = logRotate("stderr");
        writeLine("stderr", 8, "still here");
        std::fflush(stderr);
        ::dup2(savedStderr, STDERR_FILENO);
        ::close(savedStderr);

        QCOMPARE(result, -1);
        QCOMPARE(readAll(captured), QByteArray("still here\n"));
    }
};

LODESTAR_TEST_GUILESS_MAIN(TestFileLogger)
#include "test-file-logger.moc"
