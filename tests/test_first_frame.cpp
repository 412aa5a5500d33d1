// What the window's first frame costs. It renders no drawing: the pictures of what it shows come
// from the build, copied straight onto the screen, so nothing is left in the user's cache, where
// the window keeps whatever it renders. It keeps no picture of a reaction, as the memory the
// program holds shows: a second showing keeps them, and a section that leaves the view lets go of
// its own. The icon waits for the pass of the event loop right after it, and the coefficient
// boxes' line edits for a reaction that needs them. A process of its own, so that no other window
// has drawn anything before.
#include "content/geometry.h"
#include "content/picture_cache.h"
#include "support/window_fixture.h"
#include "view/section_view.h"

#include <QDirIterator>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

#if defined(__SANITIZE_ADDRESS__)
#include <cstddef>
// AddressSanitizer's allocator holds the heap; GCC's libasan has this function of its interface,
// though not the header that declares it.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

namespace {

// The bytes the process holds on its heap, once what waits to be deleted is gone.
qint64 heldBytes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
#if defined(__SANITIZE_ADDRESS__)
    return qint64(__sanitizer_get_current_allocated_bytes());
#else
    const struct mallinfo2 heap = mallinfo2();
    return qint64(heap.uordblks + heap.hblkhd);
#endif
}

// The pixels of a section's reaction pictures at the board's zoom, four bytes each.
qint64 pictureBytes(const view::Board& board, int section) {
    qint64 bytes = 0;
    for (int reaction = 0; reaction < model::kReactions; ++reaction) {
        if (model::reaction(reaction).section != section)
            continue;
        const QSize size = board.zoom().pictureRect(content::reactionPicture(reaction)).size();
        bytes += qint64(size.width()) * size.height() * 4;
    }
    return bytes;
}

// What a paint leaves held beside pictures, and what a picture holds beside its pixels: far
// less than the smallest picture.
constexpr qint64 kSlack = 32 * 1024;

QString heapChange(qint64 grown, qint64 pictures) {
    return QString("the heap changed by %1 bytes, the pictures hold %2").arg(grown).arg(pictures);
}

bool anyBoxesMade(const view::Board& board) {
    for (int s = 0; s < model::kSections; ++s) {
        if (board.sectionView(s)->hasBoxes())
            return true;
    }
    return false;
}

// Runs `check` as soon as the first paint of `window` has been flushed, before any work the
// window queues on that paint.
class AtFirstFrame : public QObject {
public:
    AtFirstFrame(QWidget& window, std::function<void()> check)
        : window_(window), check_(std::move(check)) {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!done_ && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == &window_) {
            done_ = true;
            QMetaObject::invokeMethod(this, check_, Qt::QueuedConnection);
        }
        return false;
    }

private:
    QWidget& window_;
    std::function<void()> check_;
    bool done_ = false;
};

} // namespace

class FirstFrameTest : public QObject {
    Q_OBJECT

private slots:
    // An empty cache of the test's own.
    void initTestCase() {
        QVERIFY(cache_.isValid());
        qputenv("XDG_CACHE_HOME", QFile::encodeName(cache_.path()));
    }

    // The first frame sets no icon and makes no line edit; right after it the icon is set.
    // Painting section 0 again keeps its reactions' pictures, which the first frame did not;
    // another section shown for the first time keeps none, and the section left lets go of
    // its pictures, so that coming back takes them once more. None of it renders a drawing.
    void theFirstFrameRendersNothing() {
        WindowFixture f;
        bool checked = false;
        bool iconAtFirstFrame = true;
        bool boxesAtFirstFrame = true;
        AtFirstFrame probe(*f.window, [&] {
            checked = true;
            iconAtFirstFrame = !f.window->windowIcon().isNull();
            boxesAtFirstFrame = anyBoxesMade(f.board);
        });
        f.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        QTRY_VERIFY(checked);
        QVERIFY(!iconAtFirstFrame);
        QVERIFY(!boxesAtFirstFrame);
        QTRY_VERIFY(!f.window->windowIcon().isNull());

        const qint64 sectionZero = pictureBytes(f.board, 0);
        qint64 held = heldBytes();
        f.board.sectionView(0)->repaint();
        qint64 grown = heldBytes() - held;
        QVERIFY2(grown >= sectionZero && grown < sectionZero + kSlack,
                 qPrintable(heapChange(grown, sectionZero)));
        QVERIFY(!anyBoxesMade(f.board));

        const QColor pictureYellow(0xFF, 0xFF, 0x00);
        const QPoint inPicture7 =
            f.board.mapTo(f.window.get(), WindowFixture::pixels(f.onPicture(7, 100)));
        QVERIFY(f.shown().pixelColor(inPicture7) != pictureYellow);
        held = heldBytes();
        f.showSection(3);
        QTRY_COMPARE(f.shown().pixelColor(inPicture7), pictureYellow);
        grown = heldBytes() - held;
        QVERIFY2(grown > -sectionZero - kSlack && grown < -sectionZero + kSlack,
                 qPrintable(heapChange(grown, sectionZero)));

        held = heldBytes();
        f.showSection(0);
        QTRY_VERIFY(f.shown().pixelColor(inPicture7) != pictureYellow);
        grown = heldBytes() - held;
        QVERIFY2(grown >= sectionZero && grown < sectionZero + kSlack,
                 qPrintable(heapChange(grown, sectionZero)));

        f.board.pictureCache()->flush();
        QStringList cached;
        for (QDirIterator file(cache_.path(), QDir::Files, QDirIterator::Subdirectories);
             file.hasNext();)
            cached << file.next();
        QCOMPARE(cached, QStringList());

        // A reaction filled shows its boxes, made then.
        f.fill(0, Ethanoic);
        QVERIFY(f.board.sectionView(0)->hasBoxes());
        QVERIFY(!f.board.sectionView(4)->hasBoxes());
        QVERIFY(f.board.sectionView(0)->boxEdit(0)->isVisible());
    }

private:
    QTemporaryDir cache_;
};

QTEST_MAIN(FirstFrameTest)
#include "test_first_frame.moc"
