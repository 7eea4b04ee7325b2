#include <QtTest>

#include "test-main.h"

#include "services/file-type-map.h"

class TestFileTypeMap : public QObject
{
    Q_OBJECT
private slots:
    void mapsExtensionsToIcons_data()
    {
        QTest::addColumn<QString>("extension");
        QTest::addColumn<bool>("removed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("mp3") << "mp3" << false << "audio.png";
        QTest::newRow("capitals") << "MP3" << false << "audio.png";
        QTest::newRow("mixed case") << "Jpg" << false << "image.png";
        QTest::newRow("removed") << "mp3" << true << "audio_removed.png";
        QTest::newRow("listed twice, later type wins") << "ac3" << false << "video.png";
        QTest::newRow("with a hyphen") << "dvr-ms" << false << "video.png";
        QTest::newRow("first of its list") << "acc" << false << "acc.png";
        QTest::newRow("last of the last list") << "rar" << false << "zip.png";
        QTest::newRow("unknown") << "qqq" << false << "xxx.png";
        QTest::newRow("unknown removed") << "qqq" << true << "xxx_removed.png";
        QTest::newRow("empty") << "" << false << "xxx.png";
        QTest::newRow("empty removed") << "" << true << "xxx_removed.png";
        QTest::newRow("whole file name") << "song.mp3" << false << "xxx.png";
        QTest::newRow("leading dot") << ".mp3" << false << "xxx.png";
    }
    void mapsExtensionsToIcons()
    {
        QFETCH(QString, extension);
        QFETCH(bool, removed);
        QFETCH(QString, expected);
        QCOMPARE(FileTypeMap::getInstance().getFiletypeMapping(extension, removed), expected);
    }
};

LODESTAR_TEST_GUILESS_MAIN(TestFileTypeMap)
#include "test-file-type-map.moc"
