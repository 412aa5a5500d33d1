// The window's first frame renders no drawing: the pictures of what it shows come from the
// build, copied straight onto the screen, and only the cards, which lie in stacks, keep theirs.
// The icon waits for the pass of the event loop right after it, and the coefficient boxes' line
// edits for a reaction that needs them. A process of its own, so that no other window has drawn
// anything before.
#include "content/drawings.h"
#include "support/window_fixture.h"
#include "view/section_view.h"

#include <QLineEdit>
#include <QTest>

#include <functional>

namespace {

using Counts = std::array<int, model::kReactions>;

// How often each reaction's picture was rendered, and taken from the build's pictures.
Counts reactionRenders() {
    Counts counts{};
    for (int picture = 0; picture < model::kReactions; ++picture)
        counts[picture] = content::reactionDrawing(picture).renderCount();
    return counts;
}
Counts reactionLoads() {
    Counts counts{};
    for (int picture = 0; picture < model::kReactions; ++picture)
        counts[picture] = content::reactionDrawing(picture).loadCount();
    return counts;
}
int cardRenders() {
    int renders = 0;
    for (int compound = 0; compound < model::kCompounds; ++compound)
        renders += content::cardDrawing(compound).renderCount();
    return renders;
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
    // The first frame renders no drawing, sets no icon and makes no line edit, and keeps no
    // picture of a reaction. Right after it the icon is set. Painting section 0 again keeps its
    // reactions' pictures, taken from the build once; another section shown for the first time
    // keeps none, and the section left lets go of its pictures, so that coming back takes them
    // once more.
    void theFirstFrameRendersNothing() {
        WindowFixture f;
        bool checked = false;
        Counts rendersAtFirstFrame{};
        Counts loadsAtFirstFrame{};
        int cardsAtFirstFrame = -1;
        bool iconAtFirstFrame = true;
        bool boxesAtFirstFrame = true;
        AtFirstFrame probe(*f.window, [&] {
            checked = true;
            rendersAtFirstFrame = reactionRenders();
            loadsAtFirstFrame = reactionLoads();
            cardsAtFirstFrame = cardRenders();
            iconAtFirstFrame = !f.window->windowIcon().isNull();
            boxesAtFirstFrame = anyBoxesMade(f.board);
        });
        f.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        QTRY_VERIFY(checked);
        const Counts none{};
        const Counts sectionZeroOnce{1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0};
        QCOMPARE(rendersAtFirstFrame, none);
        QCOMPARE(loadsAtFirstFrame, none);
        QCOMPARE(cardsAtFirstFrame, 0);
        QVERIFY(!iconAtFirstFrame);
        QVERIFY(!boxesAtFirstFrame);

        QTRY_VERIFY(!f.window->windowIcon().isNull());
        f.board.sectionView(0)->repaint();
        QCOMPARE(reactionRenders(), none);
        QCOMPARE(reactionLoads(), sectionZeroOnce);
        QCOMPARE(cardRenders(), 0);
        QVERIFY(!anyBoxesMade(f.board));

        const QColor pictureYellow(0xFF, 0xFF, 0x00);
        const QPoint inPicture7 =
            f.board.mapTo(f.window.get(), WindowFixture::pixels(f.onPicture(7, 100)));
        QVERIFY(f.shown().pixelColor(inPicture7) != pictureYellow);
        f.showSection(3);
        QTRY_COMPARE(f.shown().pixelColor(inPicture7), pictureYellow);
        QCOMPARE(reactionLoads(), sectionZeroOnce);
        f.showSection(0);
        QTRY_COMPARE(reactionLoads(), (Counts{2, 2, 2, 0, 0, 0, 0, 0, 0, 0, 0}));
        QCOMPARE(reactionRenders(), none);

        // A reaction filled shows its boxes, made then.
        f.fill(0, Ethanoic);
        QVERIFY(f.board.sectionView(0)->hasBoxes());
        QVERIFY(!f.board.sectionView(4)->hasBoxes());
        QVERIFY(f.board.sectionView(0)->boxEdit(0)->isVisible());
    }
};

QTEST_MAIN(FirstFrameTest)
#include "test_first_frame.moc"
