#include <QtTest>

#include "test-main.h"

#include <QMessageBox>
#include <QPushButton>

#include "agent-ui-fixture.h"
#include "modal-rescue.h"
#include "service-failure-boxes.h"
#include "services/image-manager.h"

#include <functional>

namespace {

// What a person sees of the box `run` opens; its only button is then pressed.
struct SeenBox
{
    QString text;
    QImage icon;
    QSize buttonSize;
    QImage picture;
};

SeenBox look(const std::function<void()> &run)
{
    SeenBox seen;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            auto *box = qobject_cast<QMessageBox *>(widget);
            if (!box || !box->isVisible())
                continue;
            poll.stop();
            seen.text = box->text();
            seen.icon = box->iconPixmap().toImage();
            seen.buttonSize = box->buttons().constFirst()->size();
            seen.picture = box->grab().toImage();
            box->buttons().constFirst()->click();
            return;
        }
    });
    poll.start(10);
    const ModalRescue rescue;
    run();
    return seen;
}

} // namespace

Q_DECLARE_METATYPE(std::function<void()>)

class TestServiceFailureBoxes : public QObject
{
    Q_OBJECT
private:
    AgentUiFixture fixture;

private slots:
    // The boxes have no window to sit on. They used to show the platform's
    // old warning triangle and a button hardly taller than its text.
    void boxesWearOurLook_data()
    {
        QTest::addColumn<std::function<void()>>("run");
        QTest::addColumn<int>("text");
        QTest::newRow("unavailable: retry") << std::function<void()>(runServiceRetryBox)
                                            << int(UiText::InitializingFailedDesc);
        QTest::newRow("reply not parseable") << std::function<void()>([] { runServiceBrokenBox(cmParseFailed); })
                                             << int(UiText::ErrQueryServiceFailed);
        QTest::newRow("access denied") << std::function<void()>([] { runServiceBrokenBox(cmAccessDenied); })
                                       << int(UiText::ErrUnprivileged);
    }
    void boxesWearOurLook()
    {
        QFETCH(std::function<void()>, run);
        QFETCH(int, text);
        const SeenBox seen = look(run);
        RETURN_IF_FAILED();
        QCOMPARE(seen.text, uiString(text));
        QCOMPARE(seen.icon, getGlobalImage("icon_warning", ImageManager::Normal).toImage());
        QVERIFY2(seen.buttonSize.height() >= 32, qPrintable(QString::number(seen.buttonSize.height())));
        QVERIFY(seen.buttonSize.width() >= 100);

        // A white body inside an outline, so that it stands apart from a white
        // window beneath even where no window manager draws a frame.
        const QImage &picture = seen.picture;
        QVERIFY(!picture.isNull());
        const int middle = picture.height() / 2;
        QCOMPARE(QColor(picture.pixel(0, middle)), QColor("#C8D2DC"));
        QCOMPARE(QColor(picture.pixel(3, picture.height() - 4)), QColor(Qt::white));
    }
};

LODESTAR_TEST_MAIN(TestServiceFailureBoxes)
#include "test-service-failure-boxes.moc"
