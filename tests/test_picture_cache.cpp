// The cache of pictures rendered as the program runs: a start finds there exactly what an earlier
// run kept, and whatever else lies there is set aside and never shown.
#include "content/drawings.h"
#include "content/picture_cache.h"

#include <QDirIterator>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using content::PictureCache;

namespace {

const QByteArray kEdition = "1.0-0123456789abcdef";
const QString kName = QStringLiteral("card-1");

QImage card(QSize pixels = QSize(224, 44), qreal ratio = 1.5) {
    return content::cardDrawing(1).rendered(pixels, ratio);
}

QStringList filesUnder(const QString& folder) {
    QStringList files;
    QDirIterator entries(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (entries.hasNext())
        files << entries.next();
    return files;
}

bool isKept(const std::optional<QImage>& found, const QImage& kept) {
    return found && found->format() == kept.format() && *found == kept &&
           found->devicePixelRatio() == kept.devicePixelRatio();
}

std::optional<QImage> findIn(const QString& folder, const QImage& like,
                             const QString& name = kName) {
    return PictureCache(folder, kEdition).find(name, like.size(), like.devicePixelRatio());
}

// The file a cache of `edition` writes for `name`'s picture.
QByteArray fileOf(const QImage& image, const QString& name = kName,
                  const QByteArray& edition = kEdition) {
    QTemporaryDir folder;
    PictureCache(folder.path(), edition).keep(name, image);
    QFile file(filesUnder(folder.path()).value(0));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Any warning fails the test that gives it. QTest::failOnWarning() came with Qt 6.3 and, called in
// initTestCase(), holds for initTestCase() alone; a message handler of the test's own holds for
// every function on every Qt, and hands each message on to Qt Test's handler, which logs it.
QtMessageHandler qtTestHandler = nullptr;

void failOnWarning(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg)
        QTest::qFail(qPrintable(QStringLiteral("Received a warning: ") + message), context.file,
                     context.line);
    qtTestHandler(type, context, message);
}

enum class Damage { CutShort, ByteChanged, RandomBytes, Foreign };
enum class Moment { AfterAWhile, Forgotten };

} // namespace

class TestPictureCache : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { qtTestHandler = qInstallMessageHandler(failOnWarning); }
    void cleanupTestCase() { qInstallMessageHandler(qtTestHandler); }

    // The next start finds the very picture kept, and nothing under any other name, size, ratio
    // or edition.
    void findsExactlyWhatWasKept_data() {
        QTest::addColumn<QImage>("kept");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("pixels");
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QByteArray>("edition");
        const QImage title = content::titleDrawing(0)->rendered(QSize(250, 40), 1.25);
        QTest::newRow("card") << card() << kName << QSize(224, 44) << 1.5 << kEdition;
        QTest::newRow("opaque title") << title << kName << QSize(250, 40) << 1.25 << kEdition;
        QTest::newRow("another name") << card() << "card-2" << QSize(224, 44) << 1.5 << kEdition;
        QTest::newRow("wider") << card() << kName << QSize(225, 44) << 1.5 << kEdition;
        QTest::newRow("taller") << card() << kName << QSize(224, 45) << 1.5 << kEdition;
        QTest::newRow("another ratio") << card() << kName << QSize(224, 44) << 1.51 << kEdition;
        QTest::newRow("another edition")
            << card() << kName << QSize(224, 44) << 1.5 << QByteArray("1.0-fedcba9876543210");
    }
    void findsExactlyWhatWasKept() {
        QFETCH(QImage, kept);
        QFETCH(QString, name);
        QFETCH(QSize, pixels);
        QFETCH(qreal, ratio);
        QFETCH(QByteArray, edition);
        QTemporaryDir folder;
        PictureCache(folder.path(), kEdition).keep(kName, kept);
        const auto found = PictureCache(folder.path(), edition).find(name, pixels, ratio);
        const bool asKept = name == kName && pixels == kept.size() &&
                            ratio == kept.devicePixelRatio() && edition == kEdition;
        QVERIFY(asKept ? isKept(found, kept) : !found);
        QVERIFY(isKept(findIn(folder.path(), kept), kept));
    }

    // Whatever lies where a picture is looked for shows that picture or nothing, and what is not
    // the picture goes, to be written afresh.
    void damagedFileIsSetAside_data() {
        QTest::addColumn<Damage>("damage");
        QTest::newRow("cut short at every length") << Damage::CutShort;
        QTest::newRow("every byte changed") << Damage::ByteChanged;
        QTest::newRow("random bytes") << Damage::RandomBytes;
        QTest::newRow("another picture's file") << Damage::Foreign;
    }
    void damagedFileIsSetAside() {
        QFETCH(Damage, damage);
        const QImage kept = card(QSize(30, 6));
        const QByteArray sound = fileOf(kept);
        QVERIFY(!sound.isEmpty());
        QList<QByteArray> files;
        QRandomGenerator random(11);
        switch (damage) {
        case Damage::CutShort:
            for (qsizetype length = 0; length < sound.size(); ++length)
                files << sound.left(length);
            break;
        case Damage::ByteChanged: // the complement claims sizes and lengths of billions
            for (qsizetype at = 0; at < sound.size(); ++at)
                for (char change : {0x01, 0x80, 0xff})
                    files << sound.left(at) + char(sound[at] ^ change) + sound.mid(at + 1);
            break;
        case Damage::RandomBytes: // half begin as a picture does
            for (int i = 0; i < 200; ++i) {
                QByteArray bytes(random.bounded(2 * sound.size()), Qt::Uninitialized);
                for (char& byte : bytes)
                    byte = char(random.generate());
                files << (i % 2 ? sound.left(16) + bytes : bytes);
            }
            break;
        case Damage::Foreign: {
            const QImage other = card(QSize(30, 6)).mirrored();
            QImage atRatio2 = other;
            atRatio2.setDevicePixelRatio(2);
            files << fileOf(other, QStringLiteral("card-2")) << fileOf(other.copy(0, 0, 30, 5))
                  << fileOf(atRatio2) << fileOf(other, kName, "1.0-fedcba9876543210");
        }
        }

        QTemporaryDir folder;
        PictureCache cache(folder.path(), kEdition);
        cache.keep(kName, kept);
        cache.flush();
        const QString path = filesUnder(folder.path()).value(0);
        for (qsizetype i = 0; i < files.size(); ++i) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(files[i]) == files[i].size());
            file.close();
            const std::optional<QImage> found = cache.find(kName, kept.size(), 1.5);
            QVERIFY2(found ? isKept(found, kept) && file.exists() : !file.exists(),
                     qPrintable(QStringLiteral("file %1 of %2").arg(i).arg(files.size())));
        }
        cache.keep(kName, kept);
        cache.flush();
        QVERIFY(isKept(findIn(folder.path(), kept), kept));
    }

    // A folder that cannot be written keeps nothing, says nothing, and is not tried again that
    // run.
    void unwritableFolderKeepsNothing_data() {
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("read-only folder") << true;
        QTest::newRow("under a regular file") << false;
    }
    void unwritableFolderKeepsNothing() {
        QFETCH(bool, readOnly);
        if (readOnly && ::geteuid() == 0)
            QSKIP("root writes into a read-only folder");
        QTemporaryDir home;
        QFile blocker(home.filePath(QStringLiteral("pictures")));
        QVERIFY(readOnly ? QDir(home.path()).mkdir(QStringLiteral("pictures")) &&
                               blocker.setPermissions(QFile::ReadOwner | QFile::ExeOwner)
                         : blocker.open(QIODevice::WriteOnly));
        const QString folder = blocker.fileName() + (readOnly ? "" : "/cache");
        PictureCache cache(folder, kEdition);
        cache.keep(kName, card());
        cache.flush();
        QVERIFY(!cache.find(kName, QSize(224, 44), 1.5));
        QCOMPARE(filesUnder(home.path()).size(), readOnly ? 0 : 1);

        QVERIFY(readOnly
                    ? blocker.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)
                    : blocker.remove());
        cache.keep(kName, card());
        cache.flush();
        QVERIFY(!cache.find(kName, QSize(224, 44), 1.5));
        PictureCache(folder, kEdition).keep(kName, card());
        QVERIFY(isKept(findIn(folder, card()), card()));
    }

    // A kept picture is written a while after the paint that made it, unless it is forgotten
    // first; a flush or the end of the run writes it at once.
    void keptPictureIsWrittenLater_data() {
        QTest::addColumn<Moment>("moment");
        QTest::newRow("after a while") << Moment::AfterAWhile;
        QTest::newRow("forgotten") << Moment::Forgotten;
    }
    void keptPictureIsWrittenLater() {
        QFETCH(Moment, moment);
        QTemporaryDir folder;
        {
            PictureCache cache(folder.path(), kEdition);
            cache.keep(kName, card());
            QVERIFY(filesUnder(folder.path()).isEmpty());
            if (moment == Moment::AfterAWhile)
                QTRY_VERIFY(!filesUnder(folder.path()).isEmpty());
            if (moment == Moment::Forgotten)
                cache.forgetPending();
        }
        const std::optional<QImage> found = findIn(folder.path(), card());
        QVERIFY(moment == Moment::Forgotten ? !found : isKept(found, card()));
    }

    // At most two hundred pictures are kept: beyond, the oldest written go.
    void oldestPicturesGoBeyondTwoHundred() {
        QTemporaryDir folder;
        PictureCache cache(folder.path(), kEdition);
        const QImage tiny = card(QSize(3, 2), 1);
        for (int i = 0; i < 150; ++i)
            cache.keep(QStringLiteral("old-%1").arg(i), tiny);
        cache.flush();
        for (const QString& path : filesUnder(folder.path())) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite) &&
                    file.setFileTime(QDateTime::currentDateTime().addSecs(-60),
                                     QFileDevice::FileModificationTime));
        }
        for (int i = 0; i < 100; ++i)
            cache.keep(QStringLiteral("new-%1").arg(i), tiny);
        cache.flush();
        QCOMPARE(filesUnder(folder.path()).size(), 200);
        for (int i = 0; i < 100; ++i)
            QVERIFY(isKept(findIn(folder.path(), tiny, QStringLiteral("new-%1").arg(i)), tiny));
    }

    // The first write, not a read, clears what other editions left in the cache folder; a link
    // there goes without what it leads to.
    void firstWriteClearsOtherEditions() {
        QTemporaryDir home;
        const QString folder = home.filePath(QStringLiteral("pictures"));
        const QString old = folder + QStringLiteral("/0.9-0a/card-1-224x44-150.runs");
        const QString outside = home.filePath(QStringLiteral("keep"));
        QVERIFY(QDir().mkpath(QFileInfo(old).path()));
        QVERIFY(QFile(old).open(QIODevice::WriteOnly) && QFile(outside).open(QIODevice::WriteOnly));
        QVERIFY(QFile::link(home.path(), folder + QStringLiteral("/link")));
        PictureCache cache(folder, kEdition);
        QVERIFY(!cache.find(kName, QSize(224, 44), 1.5) && QFile::exists(old));
        cache.keep(kName, card());
        cache.flush();
        QCOMPARE(filesUnder(folder).size(), 1);
        QVERIFY(!QFileInfo(folder + QStringLiteral("/link")).isSymLink() && QFile::exists(outside));
    }
};

QTEST_MAIN(TestPictureCache)
#include "test_picture_cache.moc"
