#include <QtTest>

#include "dpi-factor.h"
#include "kit-fixture.h"
#include "test-main.h"

#include "widgets/file-system-tree-widget-item.h"
#include "widgets/item-delegate.h"
#include "widgets/orva-tree-widget.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>

#include <memory>

namespace {

FileSystemTreeWidgetItem *node(QTreeWidget *tree, const QString &text, const QString &path)
{
    auto *item = new FileSystemTreeWidgetItem(tree);
    item->setText(0, text);
    item->setPath(path);
    return item;
}

QStringList topLevelTexts(const QTreeWidget &tree)
{
    QStringList texts;
    for (int i = 0; i < tree.topLevelItemCount(); ++i)
        texts << tree.topLevelItem(i)->text(0);
    return texts;
}

// A tree with the library's delegate, owned here as its users own it.
struct DelegatedTree
{
    DelegatedTree()
    {
        tree.setItemDelegate(delegate.get());
        tree.setHeaderHidden(true);
        tree.resize(300, 200);
    }
    std::unique_ptr<ItemDelegate> delegate = std::make_unique<ItemDelegate>();
    OrvaTreeWidget tree;
};

} // namespace

class TestOrvaTreeWidget : public QObject
{
    Q_OBJECT
    KitFixture kit;

private slots:
    void homeSortsFirst_data()
    {
        QTest::addColumn<QStringList>("inserted");
        QTest::newRow("home last") << QStringList{"Projects", "Archive", "Shared", "home"};
        QTest::newRow("home first") << QStringList{"home", "Projects", "Archive", "Shared"};
        QTest::newRow("home in between") << QStringList{"Projects", "home", "Archive", "Shared"};
    }
    void homeSortsFirst()
    {
        QFETCH(QStringList, inserted);
        QTreeWidget tree;
        for (const QString &text : inserted)
            node(&tree, text, text == "home" ? "home" : "vol/" + text);
        tree.sortItems(0, Qt::AscendingOrder);
        QCOMPARE(topLevelTexts(tree), (QStringList{"home", "Archive", "Projects", "Shared"}));
    }

    void itemKeepsItsValues()
    {
        FileSystemTreeWidgetItem item;
        QCOMPARE(item.type(), 0);
        QCOMPARE(item.getNodeId(), quint64(0));
        item.setPath("vol/share");
        item.setBelongViewId(Q_UINT64_C(0xFFFFFFFFFFFFFFFF));
        item.setNodeId(Q_UINT64_C(0x8000000000000001));
        item.setRO(true);
        item.setTreeWidgetItemStatus(FileSystemTreeWidgetItem::ItemStatus(3));
        const FileSystemTreeWidgetItem copy = item;
        QCOMPARE(copy.getPath(), QString("vol/share"));
        QCOMPARE(copy.getBelongViewId(), Q_UINT64_C(0xFFFFFFFFFFFFFFFF));
        QCOMPARE(copy.getNodeId(), Q_UINT64_C(0x8000000000000001));
        QVERIFY(copy.getRO());
        QVERIFY(!copy.isFake());
        QCOMPARE(int(copy.getTreeWidgetItemStatus()), 3);
    }

    void renameEditorRefuses_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("leading dot") << ".env" << "env";
        QTest::newRow("dot inside is fine") << "notes.txt" << "notes.txt";
        for (const char *refused : {"\\", "/", ":", "*", "?", "\"", "<", ">", "|"})
            QTest::newRow(refused) << QString("re%1port").arg(refused) << "report";
    }
    void renameEditorRefuses()
    {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        DelegatedTree fixture;
        OrvaTreeWidget &tree = fixture.tree;
        QTreeWidgetItem *item = node(&tree, "Quarterly", "vol/Quarterly");
        item->setFlags(item->flags() | Qt::ItemIsEditable);
        tree.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tree));

        tree.editItem(item);
        auto *editor = tree.viewport()->findChild<QLineEdit *>();
        QVERIFY(editor);
        QCOMPARE(editor->text(), QString("Quarterly"));
        QVERIFY(editor->validator());
        // Typing replaces the old name.
        QCOMPARE(editor->selectedText(), QString("Quarterly"));
        QTest::keyClicks(editor, typed);
        QCOMPARE(editor->text(), kept);
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(item->text(0), kept);
    }

    void escapeIsSignalledAndCancels()
    {
        DelegatedTree fixture;
        OrvaTreeWidget &tree = fixture.tree;
        QTreeWidgetItem *item = node(&tree, "Quarterly", "vol/Quarterly");
        item->setFlags(item->flags() | Qt::ItemIsEditable);
        tree.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tree));
        QSignalSpy escaped(fixture.delegate.get(), &ItemDelegate::sigKeyPressed);

        tree.editItem(item);
        QPointer<QLineEdit> editor = tree.viewport()->findChild<QLineEdit *>();
        QVERIFY(editor);
        QTest::keyClicks(editor, "Draft");
        QTest::keyClick(editor, Qt::Key_Escape);
        QCOMPARE(escaped.count(), 1);
        QTRY_VERIFY(!editor || !editor->isVisible());
        QCOMPARE(item->text(0), QString("Quarterly"));
    }

    void rowHeightFollowsTheFactor_data()
    {
        QTest::addColumn<double>("factor");
        QTest::addColumn<int>("height");
        QTest::newRow("1.0") << 1.0 << 28;
        QTest::newRow("1.5") << 1.5 << 42;
    }
    void rowHeightFollowsTheFactor()
    {
        QFETCH(double, factor);
        QFETCH(int, height);
        DpiFactor dpi(factor);
        DelegatedTree fixture;
        QTreeWidgetItem *first = node(&fixture.tree, "home", "home");
        QTreeWidgetItem *second = node(&fixture.tree, "Projects", "vol/Projects");
        fixture.tree.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fixture.tree));
        QCOMPARE(fixture.tree.visualItemRect(first).height(), height);
        QCOMPARE(fixture.tree.visualItemRect(second).top(), fixture.tree.visualItemRect(first).top() + height);
    }

    void rightClickIsSignalledBeforeSelection()
    {
        OrvaTreeWidget tree;
        node(&tree, "home", "home");
        QTreeWidgetItem *clicked = node(&tree, "Projects", "vol/Projects");
        tree.resize(300, 200);
        tree.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tree));

        QList<bool> selectedWhenSignalled;
        connect(&tree, &OrvaTreeWidget::sigMouseRightClickEvent, this, [&](QMouseEvent *event) {
            QCOMPARE(event->button(), Qt::RightButton);
            selectedWhenSignalled << clicked->isSelected();
        });
        QSignalSpy leftClicks(&tree, &OrvaTreeWidget::sigMouseRightClickEvent);
        QTest::mouseClick(tree.viewport(), Qt::RightButton, Qt::NoModifier, tree.visualItemRect(clicked).center());
        QCOMPARE(selectedWhenSignalled, QList<bool>{false});
        QVERIFY(clicked->isSelected());

        QTest::mouseClick(tree.viewport(), Qt::LeftButton, Qt::NoModifier, tree.visualItemRect(clicked).center());
        QCOMPARE(leftClicks.count(), 1);
    }

    void keyPressesAreSignalled()
    {
        OrvaTreeWidget tree;
        node(&tree, "home", "home");
        QSignalSpy keys(&tree, &OrvaTreeWidget::sigKeyPressEvent);
        QTest::keyClick(&tree, Qt::Key_F2);
        QCOMPARE(keys.count(), 1);
    }

    void focusMakesTheTopItemCurrent()
    {
        OrvaTreeWidget tree;
        tree.setSelectionMode(QAbstractItemView::ExtendedSelection);
        QTreeWidgetItem *top = node(&tree, "home", "home");
        QTreeWidgetItem *second = node(&tree, "Projects", "vol/Projects");
        tree.resize(300, 200);
        // Showing would give it the focus before the check.
        tree.setFocusPolicy(Qt::NoFocus);
        tree.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tree));
        QVERIFY(!tree.currentItem());

        QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(&tree, &focusIn);
        QCOMPARE(tree.currentItem(), top);

        // Later focus announces the current item again and keeps the selection.
        top->setSelected(true);
        second->setSelected(true);
        tree.setCurrentItem(second, 0, QItemSelectionModel::NoUpdate);
        QSignalSpy current(&tree, &QTreeWidget::currentItemChanged);
        QApplication::sendEvent(&tree, &focusIn);
        QCOMPARE(tree.currentItem(), second);
        QVERIFY(current.count() >= 1);
        QCOMPARE(tree.selectedItems().size(), 2);
    }

    void updateScrollArea_data()
    {
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("scrolled");
        QTest::newRow("50 inside: stays") << 50 << 0;
        QTest::newRow("350 inside: to the middle") << 350 << 150;
    }
    void updateScrollArea()
    {
        QFETCH(int, left);
        QFETCH(int, scrolled);
        OrvaTreeWidget tree;
        tree.setFrameShape(QFrame::NoFrame);
        tree.setHeaderHidden(true);
        tree.setRootIsDecorated(false);
        tree.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        tree.header()->setStretchLastSection(false);
        tree.header()->resizeSection(0, 2000);
        tree.setIndentation(left);
        QTreeWidgetItem *parent = node(&tree, "vol", "vol");
        auto *child = new FileSystemTreeWidgetItem(parent);
        child->setText(0, "share");
        parent->setExpanded(true);
        tree.resize(400, 200);
        tree.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tree));
        QCOMPARE(tree.viewport()->width(), 400);
        QCOMPARE(tree.visualItemRect(child).left(), left);

        tree.updateScrollArea(child);
        QCOMPARE(tree.horizontalScrollBar()->value(), scrolled);
        QCOMPARE(tree.visualItemRect(child).left(), left - scrolled);
        tree.updateScrollArea(nullptr);
    }

    void rowsPaintAsBars()
    {
        OrvaTreeWidget tree;
        tree.setHeaderHidden(true);
        tree.setBackgroundColor(QColor("#E6F6F2"), QColor("#F3F6F8"));
        tree.setStyleSheet(getStyleSheet("component.tree", false));
        QTreeWidgetItem *selected = node(&tree, "home", "home");
        node(&tree, "Projects", "vol/Projects");
        tree.resize(300, 200);
        tree.setCurrentItem(selected);
        tree.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tree));
        QCursor::setPos(tree.mapToGlobal(QPoint(-50, -50)));

        const QImage shot = tree.viewport()->grab().toImage();
        const int end = tree.viewport()->width();
        const QRect row = tree.visualItemRect(selected);
        // The bar runs under the branch area and the item, and stops short
        // of the right edge.
        QCOMPARE(shot.pixelColor(6, row.center().y()), QColor("#E6F6F2"));
        QCOMPARE(shot.pixelColor(end - 10, row.center().y()), QColor("#E6F6F2"));
        QCOMPARE(shot.pixelColor(end - 2, row.center().y()), QColor("#FFFFFF"));
        const QRect other = tree.visualItemRect(tree.topLevelItem(1));
        QCOMPARE(shot.pixelColor(end - 10, other.center().y()), QColor("#FFFFFF"));

        // The row under the pointer gets the hover colour.
        QCursor::setPos(tree.viewport()->mapToGlobal(QPoint(end / 2, other.center().y())));
        const QImage hovered = tree.viewport()->grab().toImage();
        QCOMPARE(hovered.pixelColor(end - 10, other.center().y()), QColor("#F3F6F8"));
    }

    // Rows whose items cannot be checked are drawn with the disabled text colour.
    void uncheckableRowsLookDisabled()
    {
        OrvaTreeWidget tree;
        tree.setHeaderHidden(true);
        QPalette palette = tree.palette();
        palette.setColor(QPalette::Active, QPalette::Text, Qt::blue);
        palette.setColor(QPalette::Inactive, QPalette::Text, Qt::blue);
        palette.setColor(QPalette::Disabled, QPalette::Text, Qt::red);
        tree.setPalette(palette);
        QTreeWidgetItem *checkable = node(&tree, "Projects", "vol/Projects");
        QTreeWidgetItem *fixed = node(&tree, "System", "vol/System");
        fixed->setFlags(fixed->flags() & ~Qt::ItemIsUserCheckable);
        // Unfocused, so that no row is selected and painted in the highlight.
        tree.setFocusPolicy(Qt::NoFocus);
        tree.resize(300, 200);
        tree.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tree));

        const QImage shot = tree.viewport()->grab().toImage();
        auto inkOf = [&](const QTreeWidgetItem *item) {
            const QRect row = tree.visualItemRect(item);
            QString ink;
            for (int y = row.top(); y <= row.bottom(); ++y) {
                for (int x = row.left(); x <= row.right(); ++x) {
                    const QColor pixel = shot.pixelColor(x, y);
                    // Glyph edges blend into the white; their cores keep the hue.
                    if (pixel.red() > 150 && pixel.green() < 90 && pixel.blue() < 90 && !ink.contains('r'))
                        ink += 'r';
                    if (pixel.blue() > 150 && pixel.red() < 90 && pixel.green() < 90 && !ink.contains('b'))
                        ink += 'b';
                }
            }
            return ink;
        };
        QCOMPARE(inkOf(checkable), QString("b"));
        QCOMPARE(inkOf(fixed), QString("r"));
    }
};

LODESTAR_TEST_MAIN(TestOrvaTreeWidget)
#include "test-orva-tree-widget.moc"
