#include <QtTest>

#include "test-main.h"

#include "file-logger.h"
#include "ts-file.h"
#include "ui-strings.h"

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void addLanguageRows()
{
    QTest::addColumn<QString>("code");
    for (const QString &code : kShippedLanguages)
        QTest::newRow(qPrintable(code)) << code;
}

QByteArray compiledTranslation(const QString &code)
{
    return readAll(QStringLiteral(COMPILED_TRANSLATIONS_DIR "/%1.qm").arg(code));
}

} // namespace

class TestUiStrings : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString logFile() const { return m_dir.filePath("ui.txt"); }

private slots:
    void initTestCase()
    {
        QCOMPARE(logInitAgentFile(logFile().toStdString()), 0);
    }

    // Runs first: nothing has installed the table yet.
    void lookupBeforeInstallIsLoggedAndEmpty()
    {
        QVERIFY(uiString(UiText::InitializingFailedDesc).isEmpty());
        QVERIFY(readAll(logFile()).contains("Interface string 28 asked for before the table was installed"));
        installUiStrings();
        QVERIFY(!uiString(UiText::InitializingFailedDesc).isEmpty());
    }

    void indexOutsideTheTableIsLoggedAndEmpty_data()
    {
        QTest::addColumn<int>("index");
        QTest::newRow("below") << -1;
        QTest::newRow("above") << int(UiText::Count);
    }
    void indexOutsideTheTableIsLoggedAndEmpty()
    {
        QFETCH(int, index);
        QVERIFY(uiString(index).isEmpty());
        QVERIFY(readAll(logFile()).contains(QString("No interface string %1\n").arg(index).toUtf8()));
    }

    void englishWithoutTranslator()
    {
        QCOMPARE(uiString(UiText::InitializingFailedDesc),
                 QString("Initialization failed. Click Retry to initialize again."));
        QCOMPARE(uiString(UiText::DescWizardConnecting), QString("Connecting to server...") + QChar(0x00A0));
        QVERIFY(uiString(UiText::ErrQueryServiceFailed).endsWith(QChar(0x00A0)));
        QCOMPARE(uiString(UiText::LdapServerOfflineDesc).count('\n'), 3);
        QVERIFY(uiString(UiText::LdapServerOfflineDesc).endsWith("<br>\n- Reinstall the Aerum Identity LDAP Sync agent."));
    }

    void escapesInATranslationBecomeLineFeedsAndTabs()
    {
        QTranslator translator;
        QVERIFY(translator.load(ESCAPES_QM));
        QCoreApplication::installTranslator(&translator);
        const QString text = uiString(UiText::InitializingFailedDesc);
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(text, QString("Zeile eins\nZeile zwei\tSpalte \\N bleibt"));
    }

    void everyLanguageIsEmbedded_data() { addLanguageRows(); }
    void everyLanguageIsEmbedded()
    {
        QFETCH(QString, code);
        const QString resource = ":/" + code + ".qm";
        QCOMPARE(readAll(resource), compiledTranslation(code));

        QTranslator translator;
        QVERIFY(translator.load(resource));
        QVERIFY(!translator.isEmpty());
        // Finished messages come out of the embedded file as the translator wrote them.
        for (const TsMessage &message : readTsFile(translationSource(code)).messages)
            if (message.translationType.isEmpty())
                QCOMPARE(translator.translate("global", message.source.toUtf8().constData()), message.translation);

        QCoreApplication::installTranslator(&translator);
        const QString entry20 = uiString(UiText::EditConnectionInfoDesc);
        const QString entry30 = uiString(UiText::LdapDesc);
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(entry20, entry30);
    }

    // A static library's resources vanish from a program unless something pulls
    // them in; the agent itself must carry what this test binary carries.
    void theProgramCarriesEveryTranslation_data() { addLanguageRows(); }
    void theProgramCarriesEveryTranslation()
    {
        static const QByteArray program = readAll(LODESTAR_PROGRAM);
        QFETCH(QString, code);
        const QByteArray compiled = compiledTranslation(code);
        QVERIFY(!compiled.isEmpty());
        QVERIFY(program.contains(compiled));
    }
};

LODESTAR_TEST_GUILESS_MAIN(TestUiStrings)
#include "test-ui-strings.moc"
