#include <QtTest>

#include "test-main.h"

#include "debug-messages.h"

#include "services/dpi-info.h"
#include "services/image-manager.h"
#include "services/style-manager.h"
#include "services/ui-path-manager.h"

namespace {

using Sections = QList<QPair<QString, QString>>;

} // namespace

Q_DECLARE_METATYPE(Sections)

class TestStyleManager : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;

    QString writeFile(const QString &name, const QByteArray &content)
    {
        QFile file(m_dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write the fixture %s", qPrintable(file.fileName()));
        file.write(content);
        return file.fileName();
    }

    // The style sheets resolve their image tokens through the image registry.
    void initializeImages(const QString &resourcePath)
    {
        const DebugMessages overwriteWarnings;
        UIPathManager::getInstance().setPath("resource_path", resourcePath);
        ImageManager::getInstance().initialize(ImageManager::Lazy);
    }

private slots:
    void initTestCase()
    {
        UIPathManager::getInstance().setPath("user_data_path", m_dir.filePath("user"));
        initializeImages(m_dir.filePath("resource"));
    }

    // A test that moved the factor or the resource folder, and failed before
    // it could put them back, must not hand them to the next.
    void cleanup()
    {
        DPIinfo::getInstance().setDPI(1.0);
        initializeImages(m_dir.filePath("resource"));
    }

    void readsSections_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<Sections>("sections");
        QTest::addColumn<QStringList>("absent");

        QTest::newRow("every space leaves the key")
            << QByteArray("== a b ==\nQLabel { color: red; }") << Sections{{"ab", "\nQLabel { color: red; }\n"}}
            << QStringList{"a b"};
        QTest::newRow("blank outside the markers makes content")
            << QByteArray("==k3==\nA\n ==no3==\n==no3b== \nB")
            << Sections{{"k3", "\nA\n ==no3==\n==no3b== \nB\n"}} << QStringList{"no3", "no3b"};
        QTest::newRow("empty header stores, then carries")
            << QByteArray("==k4a==\nA\n==\nB\n====\nC\n==k4b==\nD")
            << Sections{{"k4a", "\nA"}, {"k4b", "\nB\nC\nD\n"}} << QStringList();
        QTest::newRow("lines before the first header")
            << QByteArray("QWidget {}\n==k5==\nA") << Sections{{"k5", "\nQWidget {}\nA\n"}} << QStringList();
        QTest::newRow("two headers in a row")
            << QByteArray("==k6a==\n==k6b==\nB") << Sections{{"k6a", ""}, {"k6b", "\nB\n"}} << QStringList();
        QTest::newRow("same key twice keeps the later")
            << QByteArray("==k7==\nA\n==k7==\nB") << Sections{{"k7", "\nB\n"}} << QStringList();
        QTest::newRow("line comment joins the next line")
            << QByteArray("==k8==\nQLabel { color: red; } // note\nQFrame {}")
            << Sections{{"k8", "\nQLabel { color: red; } QFrame {}\n"}} << QStringList();
        QTest::newRow("comment line removed whole")
            << QByteArray("==k9==\n// note\nA") << Sections{{"k9", "\nA\n"}} << QStringList();
        QTest::newRow("block comments on one line only")
            << QByteArray("==k10==\na /* x */ b /* y */ c\nd /* open\ne */ f")
            << Sections{{"k10", "\na  b  c\nd /* open\ne */ f\n"}} << QStringList();
        QTest::newRow("line comment inside a URL")
            << QByteArray("==k11==\nimage: url(http://host/a.png);\nB") << Sections{{"k11", "\nimage: url(http:B\n"}}
            << QStringList();
        QTest::newRow("image folder tokens")
            << QByteArray("==k12==\nurl(TMPIMG_LOC/tmp_a.png) url(IMG_LOC/b.png)")
            << Sections{{"k12", "\nurl({TMP}/tmp_a.png) url({IMG}/b.png)\n"}} << QStringList();
        QTest::newRow("Windows line ends")
            << QByteArray("==k13==\r\nA\r\n") << Sections{{"k13", "\nA\n\n"}} << QStringList();
    }
    void readsSections()
    {
        QFETCH(QByteArray, file);
        QFETCH(Sections, sections);
        QFETCH(QStringList, absent);
        StyleManager::getInstance().initialize({writeFile("sections.stylesheet", file)});

        const ImageManager &images = ImageManager::getInstance();
        DebugMessages messages;
        for (const auto &section : sections) {
            QString expected = section.second;
            expected.replace("{TMP}", images.getTempImageFolder()).replace("{IMG}", images.getImageFolder());
            QCOMPARE(getStyleSheet(section.first, true), expected);
        }
        QVERIFY2(messages.warnings.isEmpty(), qPrintable(messages.warnings.join('\n')));
        for (const QString &key : absent)
            QCOMPARE(getStyleSheet(key, true), QString());
        QCOMPARE(messages.warnings.size(), absent.size());
    }

    void laterFileWinsAndTakesTheLeadingLines()
    {
        const QString first = writeFile("first.stylesheet", "==both==\nfrom first\n==tail==\nT");
        const QString second = writeFile("second.stylesheet", "carried\n==both==\nfrom second");
        StyleManager::getInstance().initialize({first, second});
        QCOMPARE(getStyleSheet("both", true), QString("\nfrom second\n"));
        // The files are joined with one line break between them.
        QCOMPARE(getStyleSheet("tail", true), QString("\nT\ncarried"));

        StyleManager::getInstance().initialize({writeFile("third.stylesheet", "==both==\nfrom a later call")});
        QCOMPARE(getStyleSheet("both", true), QString("\nfrom a later call\n"));
        QCOMPARE(getStyleSheet("tail", true), QString("\nT\ncarried"));
    }

    void missingFileIsSkippedWithOneWarning()
    {
        const QString missing = m_dir.filePath("missing.stylesheet");
        const QString present = writeFile("present.stylesheet", "==present==\nP");
        DebugMessages messages;
        StyleManager::getInstance().initialize({missing, present});
        QCOMPARE(messages.warnings, QStringList(QString("file \"%1\" not exist").arg(missing)));
        QCOMPARE(getStyleSheet("present", true), QString("\nP\n"));
    }

    void lookupScalesUnlessAskedNotTo()
    {
        StyleManager::getInstance().initialize({writeFile("scaled.stylesheet", "==scaled==\nmargin: 10px;")});
        DPIinfo::getInstance().setDPI(1.5);
        QCOMPARE(getStyleSheet("scaled", false), QString("\nmargin: 15px;\n"));
        QCOMPARE(getStyleSheet(QString("scaled"), false), QString("\nmargin: 15px;\n"));
        QCOMPARE(StyleManager::getInstance().getStyleSheet("scaled", true), QString("\nmargin: 10px;\n"));
    }

    void unknownKeyGivesEmptySheetAndWarning()
    {
        DebugMessages messages;
        QCOMPARE(getStyleSheet("component.nothing", false), QString());
        QCOMPARE(getStyleSheet("component.nothing", false), QString());
        const QString warning = "Cannot find stylesheet \"component.nothing\"";
        QCOMPARE(messages.warnings, QStringList({warning, warning}));
    }

    // A resource folder on a network share begins with "//": once put into a
    // sheet it must not be read as a comment that eats the rest of the line.
    void networkShareFolderIsNotAComment()
    {
        initializeImages("//server/share/resource");
        StyleManager::getInstance().initialize(
            {writeFile("share.stylesheet", "==share==\nimage: url(IMG_LOC/a.png); // note\nB")});
        QCOMPARE(getStyleSheet("share", true), QString("\nimage: url(//server/share/resource/images/a.png); B\n"));
    }
};

LODESTAR_TEST_MAIN(TestStyleManager)
#include "test-style-manager.moc"
