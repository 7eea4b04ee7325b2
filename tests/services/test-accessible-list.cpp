#include <QtTest>

#include "test-main.h"

#include "services/accessible-list.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// window
//   label      (no focus)
//   edit       (strong focus)
//   box        (no focus)
//     button   (strong focus)
//     inner    (no focus)
//       deep   (strong focus)
//   tabbed     (tab focus)
class Form
{
public:
    Form()
    {
        window.setObjectName("window");
        add<QLabel>(&window, "label");
        add<QLineEdit>(&window, "edit");
        QWidget *box = add<QWidget>(&window, "box");
        add<QPushButton>(box, "button")->setFocusPolicy(Qt::StrongFocus);
        QWidget *inner = add<QWidget>(box, "inner");
        add<QLineEdit>(inner, "deep");
        add<QWidget>(&window, "tabbed")->setFocusPolicy(Qt::TabFocus);
    }

    QWidget *widget(const QString &name) { return name == "window" ? &window : window.findChild<QWidget *>(name); }

    QList<QWidget *> widgets(const QStringList &names)
    {
        QList<QWidget *> result;
        for (const QString &name : names)
            result << widget(name);
        return result;
    }

    QWidget window;

private:
    template<typename W>
    W *add(QWidget *parent, const QString &name)
    {
        auto *child = new W(parent);
        child->setObjectName(name);
        return child;
    }
};

QStringList names(const QList<QWidget *> &widgets)
{
    QStringList result;
    for (const QWidget *widget : widgets)
        result << widget->objectName();
    return result;
}

} // namespace

class TestAccessibleList : public QObject
{
    Q_OBJECT
private slots:
    void notShownYetGivesNothing()
    {
        Form form;
        QVERIFY(accessibleList(&form.window, AccessibleFilter()).isEmpty());
        QVERIFY(accessibleList(nullptr, AccessibleFilter()).isEmpty());
    }

    void listsInObjectTreeOrder_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<QStringList>("leaveOut");
        QTest::addColumn<QStringList>("hidden");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("default filter lists everything visible")
            << int(Qt::NoFocus) << QStringList() << QStringList()
            << QStringList{"window", "label", "edit", "box", "button", "inner", "deep", "tabbed"};
        QTest::newRow("strong focus only")
            << int(Qt::StrongFocus) << QStringList() << QStringList() << QStringList{"edit", "button", "deep"};
        QTest::newRow("tab focus admits stronger policies")
            << int(Qt::TabFocus) << QStringList() << QStringList() << QStringList{"edit", "button", "deep", "tabbed"};
        QTest::newRow("left-out root, children still listed")
            << int(Qt::NoFocus) << QStringList{"window", "box"} << QStringList()
            << QStringList{"label", "edit", "button", "inner", "deep", "tabbed"};
        QTest::newRow("hidden container hides its subtree")
            << int(Qt::StrongFocus) << QStringList() << QStringList{"box"} << QStringList{"edit"};
        QTest::newRow("hidden leaf")
            << int(Qt::StrongFocus) << QStringList() << QStringList{"button"} << QStringList{"edit", "deep"};
    }
    void listsInObjectTreeOrder()
    {
        QFETCH(int, level);
        QFETCH(QStringList, leaveOut);
        QFETCH(QStringList, hidden);
        QFETCH(QStringList, expected);
        Form form;
        form.window.show();
        for (QWidget *widget : form.widgets(hidden))
            widget->hide();
        const AccessibleFilter filter(form.widgets(leaveOut), Qt::FocusPolicy(level));
        QCOMPARE(names(accessibleList(&form.window, filter)), expected);
    }

    // A child shown explicitly inside a hidden container is still unreachable.
    void hiddenContainerWinsOverShownChild()
    {
        Form form;
        form.window.show();
        form.widget("inner")->hide();
        form.widget("deep")->show();
        QCOMPARE(names(accessibleList(&form.window, AccessibleFilter({}, Qt::StrongFocus))),
                 QStringList({"edit", "button"}));
    }

    void listFormTakesAnyFocus()
    {
        Form form;
        form.window.show();
        QCOMPARE(names(accessibleList(&form.window, form.widgets({"edit"}))),
                 QStringList({"button", "deep", "tabbed"}));
    }

    void adjustFocusPolicySetsEveryWidget()
    {
        Form form;
        const QList<QWidget *> widgets = form.widgets({"label", "edit", "tabbed"});
        adjustFocusPolicy(Qt::ClickFocus, widgets);
        for (const QWidget *widget : widgets)
            QCOMPARE(widget->focusPolicy(), Qt::ClickFocus);
    }
};

LODESTAR_TEST_MAIN(TestAccessibleList)
#include "test-accessible-list.moc"
