#include <QtTest>

#include "test-main.h"

#include "debug-messages.h"

#include "services/dpi-info.h"
#include "services/image-manager.h"
#include "services/ui-path-manager.h"

namespace {

// A resource folder of its own per test: images/, images.json, and a user
// data folder for the temporary copies. Registering it points the registry here.
class ResourceFolder
{
public:
    ResourceFolder()
    {
        QDir(m_dir.path()).mkpath("resource/images");
        const DebugMessages overwriteWarnings;
        UIPathManager &paths = UIPathManager::getInstance();
        paths.setPath("resource_path", m_dir.filePath("resource"));
        paths.setPath("user_data_path", m_dir.filePath("user"));
    }

    void writeList(const QByteArray &json) const { write(m_dir.filePath("resource/images.json"), json); }

    void writeImage(const QString &file, const QSize &size, const QColor &colour = Qt::darkCyan) const
    {
        QImage image(size, QImage::Format_ARGB32);
        image.fill(colour);
        if (!image.save(m_dir.filePath("resource/images/" + file + ".png")))
            qFatal("cannot write the image %s", qPrintable(file));
    }

    bool removeImage(const QString &file) const { return QFile::remove(m_dir.filePath("resource/images/" + file + ".png")); }

    QString tempCopy(const QString &name) const { return m_dir.filePath("user/tmp_images/tmp_" + name + ".png"); }

private:
    static void write(const QString &path, const QByteArray &content)
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(path));
        file.write(content);
    }

    QTemporaryDir m_dir;
};

QRgb centre(const QPixmap &pixmap)
{
    const QImage image = pixmap.toImage();
    return image.pixel(image.width() / 2, image.height() / 2);
}

} // namespace

class TestImageManager : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        DPIinfo::getInstance().setDPI(1.0);
        DPIinfo::getInstance().setDPR(1.0);
    }

    void scalesToDesignSize_data()
    {
        QTest::addColumn<QSize>("file");
        QTest::addColumn<double>("factor");
        QTest::addColumn<double>("ratio");
        QTest::addColumn<QSize>("expected");
        QTest::newRow("64 at 1.0") << QSize(64, 64) << 1.0 << 1.0 << QSize(16, 16);
        QTest::newRow("64 at 1.25") << QSize(64, 64) << 1.25 << 1.0 << QSize(20, 20);
        QTest::newRow("64 at ratio 2") << QSize(64, 64) << 1.0 << 2.0 << QSize(32, 32);
        QTest::newRow("odd size rounds halves up") << QSize(30, 18) << 1.0 << 1.0 << QSize(8, 5);
        QTest::newRow("odd size at 1.5 fits inside 12 x 8") << QSize(30, 18) << 1.5 << 1.0 << QSize(12, 7);
    }
    void scalesToDesignSize()
    {
        QFETCH(QSize, file);
        QFETCH(double, factor);
        QFETCH(double, ratio);
        QFETCH(QSize, expected);
        ResourceFolder resources;
        resources.writeList(R"({"images": ["sized"]})");
        resources.writeImage("sized", file);
        DPIinfo::getInstance().setDPI(factor);
        DPIinfo::getInstance().setDPR(ratio);
        ImageManager::getInstance().initialize(ImageManager::Eager);

        const QPixmap pixmap = getGlobalImage("sized", ImageManager::Normal);
        QCOMPARE(pixmap.size(), expected);
        QCOMPARE(pixmap.devicePixelRatio(), ratio);
    }

    void eachStateHasItsOwnFile()
    {
        ResourceFolder resources;
        resources.writeList(R"({"images": ["button"]})");
        const QColor colours[] = {Qt::red, Qt::green, Qt::blue, Qt::gray};
        const char *files[] = {"button", "button_hover", "button_click", "button_disable"};
        for (int state = 0; state < 4; ++state)
            resources.writeImage(files[state], QSize(16, 16), colours[state]);
        ImageManager::getInstance().initialize(ImageManager::Eager);

        DebugMessages messages;
        for (int state = 0; state < 4; ++state)
            QCOMPARE(centre(getGlobalImage("button", ImageManager::ImageType(state))), colours[state].rgb());
        QVERIFY(messages.warnings.isEmpty());
    }

    void missingStateFallsBackToNormal_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("eager") << int(ImageManager::Eager);
        QTest::newRow("lazy") << int(ImageManager::Lazy);
    }
    void missingStateFallsBackToNormal()
    {
        QFETCH(int, mode);
        ResourceFolder resources;
        resources.writeList(R"({"images": ["only_normal"]})");
        resources.writeImage("only_normal", QSize(16, 16), Qt::red);
        ImageManager::getInstance().initialize(ImageManager::InitializeType(mode));

        DebugMessages messages;
        QStringList expected;
        for (int state : {ImageManager::Hover, ImageManager::Click, ImageManager::Disable, ImageManager::Hover}) {
            const QPixmap pixmap = getGlobalImage("only_normal", ImageManager::ImageType(state));
            QCOMPARE(pixmap.size(), QSize(4, 4));
            QCOMPARE(centre(pixmap), QColor(Qt::red).rgb());
            expected << QString("Cannot load pixmap \"only_normal\" with type %1 [use default icon]").arg(state);
        }
        QCOMPARE(messages.warnings, expected);
    }

    // A number outside the four states must not index past them.
    void unknownStateFallsBackToNormal_data()
    {
        QTest::addColumn<int>("state");
        QTest::newRow("negative") << -1;
        QTest::newRow("just past Disable") << 4;
        QTest::newRow("far out") << 42;
    }
    void unknownStateFallsBackToNormal()
    {
        QFETCH(int, state);
        ResourceFolder resources;
        resources.writeList(R"({"images": ["button"]})");
        resources.writeImage("button", QSize(16, 16), Qt::red);
        resources.writeImage("button_hover", QSize(16, 16), Qt::green);
        ImageManager::getInstance().initialize(ImageManager::Eager);

        DebugMessages messages;
        QCOMPARE(centre(getGlobalImage("button", ImageManager::ImageType(state))), QColor(Qt::red).rgb());
        QCOMPARE(messages.warnings,
                 QStringList(QString("Cannot load pixmap \"button\" with type %1 [use default icon]").arg(state)));
    }

    void listedNameWithoutFilesGivesNullEveryTime_data() { missingStateFallsBackToNormal_data(); }
    void listedNameWithoutFilesGivesNullEveryTime()
    {
        QFETCH(int, mode);
        ResourceFolder resources;
        resources.writeList(R"({"images": ["no_files"]})");
        ImageManager::getInstance().initialize(ImageManager::InitializeType(mode));

        DebugMessages messages;
        QVERIFY(getGlobalImage("no_files", ImageManager::Normal).isNull());
        QVERIFY(getGlobalImage("no_files", ImageManager::Normal).isNull());
        const QString warning = "Cannot load pixmap \"no_files\" with type 0 [use default icon]";
        QCOMPARE(messages.warnings, QStringList({warning, warning}));
    }

    void unlistedNameIsNotLoaded()
    {
        ResourceFolder resources;
        resources.writeList(R"({"images": ["listed"]})");
        resources.writeImage("unlisted", QSize(16, 16));
        ImageManager::getInstance().initialize(ImageManager::Eager);

        DebugMessages messages;
        QVERIFY(getGlobalImage(QString("unlisted"), ImageManager::Normal).isNull());
        QCOMPARE(messages.warnings, QStringList("Cannot load pixmap \"unlisted\""));
    }

    // Lazy mode reads the files at the first request and not again after;
    // eager mode has read them all during initialize().
    void lazyLoadsAtFirstRequestOnly()
    {
        ResourceFolder resources;
        resources.writeList(R"({"images": ["late_lazy", "late_eager"]})");
        ImageManager::getInstance().initialize(ImageManager::Lazy);
        resources.writeImage("late_lazy", QSize(16, 16), Qt::red);
        QCOMPARE(centre(getGlobalImage("late_lazy", ImageManager::Normal)), QColor(Qt::red).rgb());

        resources.writeImage("late_lazy", QSize(16, 16), Qt::blue);
        QCOMPARE(centre(getGlobalImage("late_lazy", ImageManager::Normal)), QColor(Qt::red).rgb());

        ImageManager::getInstance().initialize(ImageManager::Eager);
        resources.writeImage("late_eager", QSize(16, 16), Qt::red);
        QVERIFY(getGlobalImage("late_eager", ImageManager::Normal).isNull());
    }

    void malformedListGivesNoImages_data()
    {
        QTest::addColumn<QByteArray>("list");
        QTest::newRow("not JSON") << QByteArray("{\"images\": [\"broken\"");
        QTest::newRow("array at the top") << QByteArray("[\"broken\"]");
        QTest::newRow("images not an array") << QByteArray("{\"images\": \"broken\"}");
        QTest::newRow("no list file") << QByteArray();
    }
    void malformedListGivesNoImages()
    {
        QFETCH(QByteArray, list);
        ResourceFolder resources;
        if (!list.isEmpty())
            resources.writeList(list);
        resources.writeImage("broken", QSize(16, 16));
        ImageManager::getInstance().initialize(ImageManager::Eager);

        QVERIFY(getGlobalImage("broken", ImageManager::Normal).isNull());
        // The folders are set all the same, so style-sheet tokens still resolve.
        QCOMPARE(ImageManager::getInstance().getImageFolder(),
                 UIPathManager::getInstance().getPath("resource_path") + "/images");
        QVERIFY(QFileInfo(ImageManager::getInstance().getTempImageFolder()).isDir());
    }

    void writesScaledTemporaryCopies_data()
    {
        QTest::addColumn<QString>("listed");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("file");
        QTest::addColumn<double>("factor");
        QTest::addColumn<QSize>("expected");
        QTest::newRow("ratio not applied") << "arrow" << "arrow" << QSize(64, 64) << 1.25 << QSize(20, 20);
        QTest::newRow("odd size") << "arrow" << "arrow" << QSize(30, 18) << 1.0 << QSize(8, 5);
        QTest::newRow("spaces removed") << " drop down arrow " << "dropdownarrow" << QSize(64, 32) << 1.5
                                        << QSize(24, 12);
    }
    void writesScaledTemporaryCopies()
    {
        QFETCH(QString, listed);
        QFETCH(QString, name);
        QFETCH(QSize, file);
        QFETCH(double, factor);
        QFETCH(QSize, expected);
        ResourceFolder resources;
        resources.writeList(QString(R"({"tmp_images": ["%1"]})").arg(listed).toUtf8());
        resources.writeImage(name, file);
        DPIinfo::getInstance().setDPI(factor);
        DPIinfo::getInstance().setDPR(2.0);
        ImageManager::getInstance().initialize(ImageManager::Lazy);

        QCOMPARE(QImage(resources.tempCopy(name)).size(), expected);
    }

    // An empty file where a sheet expects a picture helps nobody: nothing is
    // written, and the reason is logged.
    void temporaryCopyWithoutSourceIsNotWritten()
    {
        ResourceFolder resources;
        resources.writeList(R"({"tmp_images": ["absent"]})");
        DebugMessages messages;
        ImageManager::getInstance().initialize(ImageManager::Lazy);
        QVERIFY(!QFile::exists(resources.tempCopy("absent")));
        QCOMPARE(messages.warnings.filter("absent").size(), 1);
    }

    void temporaryCopyIsRewrittenAtEveryInitialize()
    {
        ResourceFolder resources;
        resources.writeList(R"({"tmp_images": ["redrawn"]})");
        resources.writeImage("redrawn", QSize(16, 16), Qt::red);
        ImageManager::getInstance().initialize(ImageManager::Lazy);
        resources.writeImage("redrawn", QSize(32, 16), Qt::blue);
        ImageManager::getInstance().initialize(ImageManager::Lazy);
        const QImage copy(resources.tempCopy("redrawn"));
        QCOMPARE(copy.size(), QSize(8, 4));
        QCOMPARE(copy.pixel(4, 2), QColor(Qt::blue).rgb());
    }
};

LODESTAR_TEST_MAIN(TestImageManager)
#include "test-image-manager.moc"
