// The window's first frame paints only what it shows, straight onto the screen: the work that can
// wait (the icon, the coefficient boxes' line edits, the pictures of the section in view kept
// ready) is done in the passes of the event loop right after it. A process of its own, so that
// no other window has drawn anything before.
#include "content/drawings.h"
#include "support/window_fixture.h"
#include "view/section_view.h"

#include <QLineEdit>
#include <QTest>

#include <functional>

namespace {

using Renders = std::array<int, model::kReactions>;

Renders reactionRenders() {
    Renders counts{};
    for (int picture = 0; picture < model::kReactions; ++picture)
        counts[picture] = content::reactionDrawing(picture).renderCount();
    return counts;
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
    // The first frame makes no line edits, sets no icon and keeps no picture of a reaction; right
    // after it the icon is set, the boxes are made, hidden, and the reactions of the section in
    // view are rendered once at the size they show, so that painting them again renders nothing;
    // the other sections' wait for their first showing.
    void laterWorkWaitsForTheFirstFrame() {
        WindowFixture f;
        bool checked = false;
        Renders atFirstFrame{};
        bool iconAtFirstFrame = true;
        bool boxesAtFirstFrame = true;
        AtFirstFrame probe(*f.window, [&] {
            checked = true;
            atFirstFrame = reactionRenders();
            iconAtFirstFrame = !f.window->windowIcon().isNull();
            boxesAtFirstFrame = anyBoxesMade(f.board);
        });
        f.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        QTRY_VERIFY(checked);
        QCOMPARE(atFirstFrame, Renders{});
        QVERIFY(!iconAtFirstFrame);
        QVERIFY(!boxesAtFirstFrame);

        const Renders sectionZeroOnce{1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0};
        QTRY_COMPARE(reactionRenders(), sectionZeroOnce);
        QTRY_VERIFY(!f.window->windowIcon().isNull());
        QTRY_VERIFY(f.board.sectionView(0)->hasBoxes());
        QVERIFY(f.board.sectionView(4)->hasBoxes());
        QLineEdit* box = f.board.sectionView(0)->boxEdit(0);
        QVERIFY(box);
        QVERIFY(box->isHidden());

        f.window->repaint();
        QTest::qWait(20);
        QCOMPARE(reactionRenders(), sectionZeroOnce);
        // Another section shown for the first time is painted straight, as the first frame was.
        const QColor pictureYellow(0xFF, 0xFF, 0x00);
        const QPoint inPicture7 =
            f.board.mapTo(f.window.get(), WindowFixture::pixels(f.onPicture(7, 100)));
        QVERIFY(f.shown().pixelColor(inPicture7) != pictureYellow);
        f.showSection(3);
        QTRY_COMPARE(f.shown().pixelColor(inPicture7), pictureYellow);
        QCOMPARE(reactionRenders(), sectionZeroOnce);
    }
};

QTEST_MAIN(FirstFrameTest)
#include "test_first_frame.moc"
