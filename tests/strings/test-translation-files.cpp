#include <QtTest>

#include "test-main.h"

#include "ts-file.h"
#include "ui-strings.h"

namespace {

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

QStringList matches(const QString &text, const QRegularExpression &pattern)
{
    QStringList found;
    for (auto it = pattern.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    return sorted(found);
}

// What a translation must carry over from its source unchanged.
struct Markup
{
    QStringList placeholders;
    QStringList tags; // the <br> line ends among them
    int lineFeeds;

    explicit Markup(const QString &text)
        : placeholders(matches(text, QRegularExpression("%\\d+")))
        , tags(matches(text, QRegularExpression("<[^>]*>")))
        , lineFeeds(text.count(QLatin1Char('\n')))
    {
    }

    QStringList differencesTo(const Markup &source) const
    {
        QStringList differences;
        if (placeholders != source.placeholders)
            differences << "placeholders " + placeholders.join(' ') + " instead of " + source.placeholders.join(' ');
        if (tags != source.tags)
            differences << "tags " + tags.join(' ') + " instead of " + source.tags.join(' ');
        if (lineFeeds != source.lineFeeds)
            differences << QString("%1 line feeds instead of %2").arg(lineFeeds).arg(source.lineFeeds);
        return differences;
    }
};

QString excerpt(const QString &source)
{
    return '"' + source.left(40) + (source.size() > 40 ? "...\"" : "\"");
}

} // namespace

class TestTranslationFiles : public QObject
{
    Q_OBJECT
private:
    QStringList m_englishTexts;

private slots:
    void initTestCase()
    {
        // With no translator installed the lookup gives the agent's own table.
        installUiStrings();
        for (int index = 0; index < UiText::Count; ++index)
            if (!m_englishTexts.contains(uiString(index)))
                m_englishTexts << uiString(index);
        m_englishTexts.sort();
    }

    void noOtherTranslationSources()
    {
        const QDir folder(QFileInfo(translationSource("enu")).path());
        QStringList codes;
        for (const QFileInfo &file : folder.entryInfoList({"*.ts"}, QDir::Files))
            codes << file.completeBaseName();
        QCOMPARE(sorted(codes), sorted(kShippedLanguages));
    }

    void everyFile_data()
    {
        QTest::addColumn<QString>("code");
        for (const QString &code : kShippedLanguages)
            QTest::newRow(qPrintable(code)) << code;
    }
    void everyFile()
    {
        QFETCH(QString, code);
        const TsFile file = readTsFile(translationSource(code));
        QVERIFY2(file.error.isEmpty(), qPrintable(file.error));

        QStringList sources;
        QStringList faults;
        for (const TsMessage &message : file.messages) {
            sources << message.source;
            const QString where = excerpt(message.source) + ": ";
            if (message.context != QLatin1String("global"))
                faults << where + "context \"" + message.context + "\"";
            if (message.hasComment)
                faults << where + "a comment, which the lookup would not match";
            if (!message.translationType.isEmpty())
                faults << where + message.translationType;
            if (message.translation.isEmpty())
                faults << where + "empty translation";
            for (const QString &difference : Markup(message.translation).differencesTo(Markup(message.source)))
                faults << where + difference;
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("\n")));
        QCOMPARE(sorted(sources), m_englishTexts);
    }
};

LODESTAR_TEST_GUILESS_MAIN(TestTranslationFiles)
#include "test-translation-files.moc"
