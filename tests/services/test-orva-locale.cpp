#include <QtTest>

#include "test-main.h"

#include "services/orva-locale.h"

#include <cstdio>

namespace {

// The system locale is read once per process, so each system locale is tried
// in a child run of this program that only prints the code it detects.
const char *const kProbeVariable = "ORVA_LOCALE_PROBE";

QString detectedInChild(const QString &lcAll)
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(kProbeVariable, "1");
    env.insert("LC_ALL", lcAll);
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), QStringList());
    if (!child.waitForFinished(30000))
        return QStringLiteral("<child did not finish>");
    return QString::fromUtf8(child.readAllStandardOutput()).trimmed();
}

void applyAgentAmendment()
{
    OrvaLocale &locale = OrvaLocale::getInstance();
    locale.setLanguageMap("de", "ger");
    locale.setLanguageMap("fr", "fre");
    locale.setLanguageMap("es", "spn");
    locale.setLanguageMap("th", "tha");
}

} // namespace

class TestOrvaLocale : public QObject
{
    Q_OBJECT
private slots:
    void oneInstance() { QCOMPARE(&OrvaLocale::getInstance(), &OrvaLocale::getInstance()); }

    void followsTheSystemLocale_data()
    {
        QTest::addColumn<QString>("lcAll");
        QTest::addColumn<QString>("code");
        // Qt names this locale "zh_TW": only a lowered name meets the rule.
        QTest::newRow("Chinese (Taiwan)") << "zh_TW.UTF-8" << "cht";
        QTest::newRow("German (Austria)") << "de_AT.UTF-8" << "deu";
        QTest::newRow("Portuguese (Portugal)") << "pt_PT.UTF-8" << "ptg";
        QTest::newRow("C") << "C" << "enu";
    }
    void followsTheSystemLocale()
    {
        QFETCH(QString, lcAll);
        QFETCH(QString, code);
        QCOMPARE(detectedInChild(lcAll), code);
    }

    // One table for the library's own mapping and for the agent's, which
    // amends it at start-up; the amendment lasts for the process, so the
    // built-in column is checked first.
    void builtInMapping_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("builtIn");
        QTest::addColumn<QString>("amended");
        QTest::newRow("German (Germany)") << "de_de" << "deu" << "ger";
        QTest::newRow("German (Switzerland)") << "de_ch" << "deu" << "ger";
        QTest::newRow("French (France)") << "fr_fr" << "fra" << "fre";
        QTest::newRow("Spanish (Mexico)") << "es_mx" << "esn" << "spn";
        QTest::newRow("Thai (Thailand)") << "th_th" << "enu" << "tha";
        QTest::newRow("English (US)") << "en_us" << "enu" << "enu";
        QTest::newRow("Japanese") << "ja_jp" << "jpn" << "jpn";
        QTest::newRow("Chinese (Taiwan)") << "zh_tw" << "cht" << "cht";
        QTest::newRow("Chinese (Hong Kong)") << "zh_hk" << "cht" << "cht";
        QTest::newRow("Chinese (Macao)") << "zh_mo" << "cht" << "cht";
        QTest::newRow("Chinese (China)") << "zh_cn" << "chs" << "chs";
        QTest::newRow("Chinese (Singapore)") << "zh_sg" << "chs" << "chs";
        QTest::newRow("Chinese, plain") << "zh" << "chs" << "chs";
        QTest::newRow("Portuguese (Portugal)") << "pt_pt" << "ptg" << "ptg";
        QTest::newRow("Portuguese (Brazil)") << "pt_br" << "ptb" << "ptb";
        QTest::newRow("Portuguese, plain") << "pt" << "ptg" << "ptg";
        QTest::newRow("Portuguese (Angola)") << "pt_ao" << "ptb" << "ptb";
        QTest::newRow("Norwegian no") << "no_no" << "nor" << "nor";
        QTest::newRow("Norwegian nb") << "nb_no" << "nor" << "nor";
        QTest::newRow("Norwegian nn") << "nn_no" << "nor" << "nor";
        QTest::newRow("Greek") << "el_gr" << "enu" << "enu";
        QTest::newRow("C") << "c" << "enu" << "enu";
    }
    void builtInMapping()
    {
        QFETCH(QString, locale);
        QFETCH(QString, builtIn);
        QCOMPARE(OrvaLocale::getInstance().getLanguageByLocale(locale), builtIn);
    }

    void amendedMapping_data() { builtInMapping_data(); }
    void amendedMapping()
    {
        QFETCH(QString, locale);
        QFETCH(QString, amended);
        applyAgentAmendment();
        QCOMPARE(OrvaLocale::getInstance().getLanguageByLocale(locale), amended);
    }

    void tableEntriesForChineseAndPortugueseAreNeverConsulted()
    {
        OrvaLocale &locale = OrvaLocale::getInstance();
        locale.setLanguageMap("zh", "xxx");
        locale.setLanguageMap("pt", "yyy");
        QCOMPARE(locale.getLanguageByLocale("zh_tw"), QString("cht"));
        QCOMPARE(locale.getLanguageByLocale("pt_br"), QString("ptb"));
    }
};

int main(int argc, char **argv)
{
    // A probe keeps the locale its parent gave it.
    if (qEnvironmentVariableIsSet(kProbeVariable)) {
        QCoreApplication app(argc, argv);
        std::puts(qPrintable(OrvaLocale::getInstance().getDefaultLanguage()));
        return 0;
    }
    setTestEnvironment();
    QCoreApplication app(argc, argv);
    TestOrvaLocale test;
    return QTest::qExec(&test, argc, argv);
}

#include "test-orva-locale.moc"
