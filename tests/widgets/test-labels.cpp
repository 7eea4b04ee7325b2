#include <QtTest>

#include "test-main.h"

#include "widgets/clickable-label.h"
#include "widgets/link-label.h"
#include "widgets/orva-label.h"
#include "widgets/tooltip-text.h"

namespace {

// "H" when the label's hand is the application's cursor, "U" when its text
// is underlined; "-" for each that is not.
QString hoverLook(const LinkLabel *label)
{
    const QCursor *cursor = QApplication::overrideCursor();
    QString look;
    look += cursor && cursor->shape() == Qt::PointingHandCursor ? 'H' : '-';
    look += label && label->font().underline() ? 'U' : '-';
    return look;
}

// What the application does when the pointer enters or leaves a widget.
void pointerCrosses(QWidget *widget, QEvent::Type type)
{
    widget->setAttribute(Qt::WA_UnderMouse, type == QEvent::Enter);
    if (type == QEvent::Enter) {
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(widget->mapToGlobal(QPoint(5, 5))));
        QCoreApplication::sendEvent(widget, &enter);
    } else {
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(widget, &leave);
    }
}

} // namespace

class TestLabels : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        // A test that failed half-way must not hand its cursor to the next.
        while (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
    }

    void clickableLabelReportsEveryButton_data()
    {
        QTest::addColumn<int>("button");
        QTest::newRow("left") << int(Qt::LeftButton);
        QTest::newRow("right") << int(Qt::RightButton);
        QTest::newRow("middle") << int(Qt::MiddleButton);
    }
    void clickableLabelReportsEveryButton()
    {
        QFETCH(int, button);
        ClickableLabel label("Read more");
        QSignalSpy clicked(&label, &ClickableLabel::clicked);
        QTest::mousePress(&label, Qt::MouseButton(button));
        QCOMPARE(clicked.count(), 1);
        QTest::mouseRelease(&label, Qt::MouseButton(button));
        QCOMPARE(clicked.count(), 1);
    }

    // Steps are "enter", "leave", "disable", "enable", "nounderline" and
    // "delete"; each is followed by the look expected after it.
    void linkLabelHoverStaysBalanced_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::newRow("hover") << QStringList{"enter:HU", "leave:--"};
        QTest::newRow("disabled label ignores the mouse") << QStringList{"disable:--", "enter:--", "leave:--"};
        QTest::newRow("disabled under the mouse") << QStringList{"enter:HU", "disable:--", "leave:--"};
        QTest::newRow("disabled and enabled under the mouse")
            << QStringList{"enter:HU", "disable:--", "enable:HU", "leave:--"};
        QTest::newRow("enabled under the mouse") << QStringList{"disable:--", "enter:--", "enable:HU", "leave:--"};
        QTest::newRow("underline off: only the cursor") << QStringList{"nounderline:--", "enter:H-", "leave:--"};
        QTest::newRow("destroyed under the mouse") << QStringList{"enter:HU", "delete:--"};
    }
    void linkLabelHoverStaysBalanced()
    {
        QFETCH(QStringList, steps);
        QLabel window;
        auto *label = new LinkLabel("Admin portal", &window);
        window.show();

        QPointer<LinkLabel> alive = label;
        for (const QString &step : steps) {
            const QString action = step.section(':', 0, 0);
            if (action == "enter")
                pointerCrosses(label, QEvent::Enter);
            else if (action == "leave")
                pointerCrosses(label, QEvent::Leave);
            else if (action == "disable")
                label->setEnabled(false);
            else if (action == "enable")
                label->setEnabled(true);
            else if (action == "nounderline")
                label->setHoverUnderline(false);
            else if (action == "delete")
                delete label;
            QCOMPARE(hoverLook(alive), step.section(':', 1));
        }
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    void linkLabelKeepsItsLink()
    {
        LinkLabel label("Admin portal");
        QSignalSpy clicked(&label, &ClickableLabel::clicked);
        label.setHyperLink("https://admin.example.com");
        QTest::mouseClick(&label, Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(label.getHyperLink(), QString("https://admin.example.com"));
    }

    void orvaLabelIsTallEnoughForItsText_data()
    {
        QTest::addColumn<int>("verticalPolicy");
        QTest::addColumn<bool>("follows");
        QTest::newRow("Minimum: follows the text") << int(QSizePolicy::Minimum) << true;
        QTest::newRow("Preferred: left alone") << int(QSizePolicy::Preferred) << false;
    }
    void orvaLabelIsTallEnoughForItsText()
    {
        QFETCH(int, verticalPolicy);
        QFETCH(bool, follows);
        OrvaLabel label(QString("A sentence long enough to wrap onto several lines. ").repeated(6));
        label.setWordWrap(true);
        label.setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Policy(verticalPolicy));
        label.show();

        label.resize(120, 10);
        const int narrow = label.minimumHeight();
        QCOMPARE(narrow, follows ? label.heightForWidth(120) : 0);
        label.resize(600, 10);
        QCOMPARE(label.minimumHeight(), follows ? label.heightForWidth(600) : 0);
        if (follows)
            QVERIFY2(label.minimumHeight() < narrow, "a wider label may be shorter again");
    }

    void toolTipText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("toolTip");
        QTest::newRow("two lines with markup")
            << "a < b\nsecond" << "<p style='white-space:pre'>a &lt; b<br>second</p>";
        QTest::newRow("spaces and ampersand kept")
            << "R&D    team" << "<p style='white-space:pre'>R&amp;D    team</p>";
        QTest::newRow("tags are shown, not applied")
            << "<b>bold</b>" << "<p style='white-space:pre'>&lt;b&gt;bold&lt;/b&gt;</p>";
        QTest::newRow("empty lines") << "\n\n" << "<p style='white-space:pre'><br><br></p>";
        QTest::newRow("empty") << "" << "<p style='white-space:pre'></p>";
    }
    void toolTipText()
    {
        QFETCH(QString, text);
        QFETCH(QString, toolTip);
        QCOMPARE(getHtmlEscapedStringForToolTip(text), toolTip);
    }
};

LODESTAR_TEST_MAIN(TestLabels)
#include "test-labels.moc"
