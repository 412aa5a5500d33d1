// The window's first frame: it paints only what it shows and keeps no pixmaps of it, and the work
// it leaves for later (the icon, the coefficient boxes, the drawings kept as pixmaps) is done in
// the passes of the event loop right after it. A process of its own, so that no other window has
// drawn anything before.
#include "content/drawings.h"
#include "support/window_fixture.h"

#include <QTest>

namespace {

std::array<int, model::kReactions> reactionRenders() {
    std::array<int, model::kReactions> counts{};
    for (int picture = 0; picture < model::kReactions; ++picture)
        counts[picture] = content::reactionDrawing(picture).renderCount();
    return counts;
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
    void laterWorkWaitsForTheFirstFrame() {
        WindowFixture f;
        bool checked = false;
        std::array<int, model::kReactions> atFirstFrame{};
        bool iconAtFirstFrame = true;
        bool boxAtFirstFrame = true;
        AtFirstFrame probe(*f.window, [&] {
            checked = true;
            atFirstFrame = reactionRenders();
            iconAtFirstFrame = !f.window->windowIcon().isNull();
            boxAtFirstFrame = f.ui.tCoefficient(0).widget() != nullptr;
        });
        f.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        QTRY_VERIFY(checked);
        QCOMPARE(atFirstFrame, (std::array<int, model::kReactions>{}));
        QVERIFY(!iconAtFirstFrame);
        QVERIFY(!boxAtFirstFrame);

        // Then every reaction is rendered once at the size it shows, the icon is set and the
        // boxes exist, each in the tab chain after the blanks.
        QTRY_COMPARE(reactionRenders(),
                     (std::array<int, model::kReactions>{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}));
        QVERIFY(!f.window->windowIcon().isNull());
        QVERIFY(f.ui.tCoefficient(0).widget());
        QVERIFY(!f.ui.tCoefficient(0).isVisible());
        // The first visit to a section draws from those pixmaps, rendering nothing more.
        for (int section = 1; section < model::kSections; ++section) {
            f.showSection(section);
            QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
            f.window->repaint();
        }
        QCOMPARE(reactionRenders(),
                 (std::array<int, model::kReactions>{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}));
    }
};

QTEST_MAIN(FirstFrameTest)
#include "test_first_frame.moc"
