// The control layer: twips geometry, hit-testing, indexed sets and the manual drag.
#include "controls/form.h"
#include "controls/kinds.h"

#include <QApplication>
#include <QLineEdit>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

using namespace controls;

namespace {

struct DragEvent {
    QString control;
    int index;
    float x;
    float y;
    DragState state;
};

struct Drop {
    QString control;
    int index;
    float x;
    float y;
};

// A small window: a viewport with a section box inside, images at each level, a text box.
struct Scene {
    Form form{6000, 4000};
    PictureBox& viewport = form.create<PictureBox>(form, "Viewport");
    PictureBox& section = form.create<PictureBox>(viewport, "Section");
    Image& card = form.create<Image>(form, "Card");
    Image& inner = form.create<Image>(section, "Inner");
    TextBox& box = form.create<TextBox>(section, "Box");
    std::vector<DragEvent> overs;
    std::vector<Drop> drops;

    Scene() {
        form.setBackColor(QColor(Qt::white));
        viewport.setGeometry(120, 900, 5000, 3000);
        section.setGeometry(300, 400, 4000, 2000);
        card.setGeometry(180, 180, 2235, 435);
        inner.setGeometry(1000, 200, 1500, 600);
        box.setGeometry(1500, 300, 435, 330);
        for (Control* c : {static_cast<Control*>(&form), static_cast<Control*>(&viewport),
                           static_cast<Control*>(&section), static_cast<Control*>(&card),
                           static_cast<Control*>(&inner), static_cast<Control*>(&box)}) {
            const QString name = c->name();
            c->handlers().dragOver = [this, name](int i, Control&, float x, float y,
                                                  DragState s) {
                overs.push_back({name, i, x, y, s});
            };
            c->handlers().dragDrop = [this, name](int i, Control&, float x, float y) {
                drops.push_back({name, i, x, y});
            };
        }
        card.handlers().mouseDown = [this](int, const MouseEventArgs&) {
            form.router().beginDrag(card);
        };
    }
};

} // namespace

class ControlsTest : public QObject {
    Q_OBJECT

private slots:
    // Twips are kept exactly as set: handlers compare them with computed values.
    void geometryIsReadBackExactly_data() {
        QTest::addColumn<float>("value");
        QTest::newRow("half twip") << 2.5f;
        QTest::newRow("tenth of a twip") << 8099.9f;
        QTest::newRow("negative card width") << -2235.0f;
        QTest::newRow("parked twin") << -495.0f;
        QTest::newRow("parked section") << 10000.0f;
        QTest::newRow("quarter") << 217.25f;
    }
    void geometryIsReadBackExactly() {
        QFETCH(float, value);
        Scene scene;
        scene.inner.setLeft(value);
        scene.inner.setTop(value);
        scene.box.setGeometry(value, value, 435, 330);
        QCOMPARE(scene.inner.left(), value);
        QCOMPARE(scene.inner.top(), value);
        QCOMPARE(scene.box.left(), value);
        QCOMPARE(scene.box.top(), value);
    }

    // Widgets follow the twips at 15 twips a pixel, with both edges rounded.
    void windowedControlsArePlacedInPixels() {
        Scene scene;
        scene.box.setGeometry(1800, 960, 435, 330);
        QCOMPARE(scene.box.lineEdit()->geometry(), QRect(120, 64, 29, 22));
        QCOMPARE(scene.form.widget()->size(), QSize(400, 267));
        scene.section.setTop(10000);
        QCOMPARE(scene.section.widget()->geometry().top(), 667);
    }

    void hitTestingFollowsVisibilityClippingAndStacking() {
        Scene scene;
        // Inner spans 1420..2920 x 1500..2100 in the client area.
        QCOMPARE(scene.form.hitTest({1500, 1600}).control, &scene.inner);
        QCOMPARE(scene.form.hitTest({1500, 1600}).local, QPointF(80, 100));
        // Beyond the section box the inner image is clipped away: the viewport lies there.
        scene.inner.setLeft(3800);
        QCOMPARE(scene.form.hitTest({4500, 1600}).control, &scene.viewport);
        QCOMPARE(scene.form.hitTest({4300, 1600}).control, &scene.inner);
        // A hidden control receives nothing; the container behind it does.
        scene.inner.setVisible(false);
        QCOMPARE(scene.form.hitTest({4300, 1600}).control, &scene.section);
        // A hidden container hides its children.
        scene.inner.setVisible(true);
        scene.section.setVisible(false);
        QCOMPARE(scene.form.hitTest({4300, 1600}).control, &scene.viewport);
        // Outside every child the form's background answers.
        QCOMPARE(scene.form.hitTest({50, 50}).control, &scene.form);
    }

    // A text box lies over an image even when the image was listed first.
    void windowedControlsLieOverLightweightOnes() {
        Scene scene;
        scene.inner.setGeometry(1400, 250, 1000, 500);
        // Box at 1500..1935 x 300..630 in the section, i.e. 1920.. x 1600.. in the client area.
        QCOMPARE(scene.form.hitTest({1930, 1620}).control, &scene.box);
        scene.inner.bringToFront();
        QCOMPARE(scene.form.hitTest({1930, 1620}).control, &scene.box);
        QCOMPARE(scene.form.hitTest({1820, 1620}).control, &scene.inner);
    }

    // Listing order is stacking order; bring-to-front changes it; shapes are never found.
    void stackingOrderAndShapes() {
        Form form(6000, 4000);
        Image& first = form.create<Image>(form, "First");
        Image& second = form.create<Image>(form, "Second");
        Shape& frame = form.create<Shape>(form, "Frame");
        first.setGeometry(0, 0, 1000, 1000);
        second.setGeometry(500, 500, 1000, 1000);
        frame.setGeometry(0, 0, 6000, 4000);
        QCOMPARE(form.hitTest({700, 700}).control, &first);
        second.bringToFront();
        QCOMPARE(form.hitTest({700, 700}).control, &second);
        QCOMPARE(form.hitTest({3000, 3000}).control, &form);
        // Edges are half-open: the right edge belongs to what lies beyond.
        QCOMPARE(form.hitTest({1500, 600}).control, &form);
        QCOMPARE(form.hitTest({1499.5, 600}).control, &second);
    }

    // Elements created at run time copy the first element, start hidden and go to the front.
    void indexedSetsLoadElementsAndShareHandlers() {
        Form form(6000, 4000);
        Image& zero = form.create<Image>(form, "ImgMolecular", 0);
        zero.setGeometry(180, 180, 2235, 435);
        zero.setToolTip("hint");
        zero.setMousePointer(QCursor(Qt::PointingHandCursor));
        ControlSet* set = form.findSet("ImgMolecular");
        QVERIFY(set);
        QCOMPARE(form.findSet("ImgMolecular9"), nullptr);
        auto& seven = static_cast<Image&>(set->load(7));
        QCOMPARE(seven.index(), 7);
        QCOMPARE(seven.rect(), zero.rect());
        QCOMPARE(seven.toolTip(), QString("hint"));
        QVERIFY(seven.mousePointer().has_value());
        QVERIFY(!seven.isVisible());
        QCOMPARE(&set->load(7), &seven);
        QCOMPARE(set->count(), 2);

        std::vector<int> pressed;
        set->handlers().mouseDown = [&](int index, const MouseEventArgs&) {
            pressed.push_back(index);
        };
        form.router().press({200, 200}, Qt::LeftButton);
        form.router().release({200, 200}, Qt::LeftButton);
        seven.setVisible(true);
        form.router().press({200, 200}, Qt::LeftButton);
        form.router().release({200, 200}, Qt::LeftButton);
        QCOMPARE(pressed, std::vector<int>({0, 7}));
    }

    // Mouse-up and click go to the pressed control, with coordinates in its own frame.
    void pressedControlKeepsThePointerUntilRelease() {
        Scene scene;
        std::vector<std::pair<QString, QPointF>> ups;
        int clicks = 0;
        scene.inner.handlers().mouseUp = [&](int, const MouseEventArgs& args) {
            ups.push_back({"inner", QPointF(args.x, args.y)});
        };
        scene.inner.handlers().click = [&](int) { ++clicks; };
        scene.form.router().press({1500, 1600}, Qt::LeftButton);
        scene.form.router().release({100, 100}, Qt::LeftButton);
        QCOMPARE(ups.size(), size_t(1));
        QCOMPARE(ups[0].second, QPointF(100 - 1420, 100 - 1500));
        QCOMPARE(clicks, 0);
        scene.form.router().press({1500, 1600}, Qt::LeftButton);
        scene.form.router().release({1510, 1610}, Qt::LeftButton);
        QCOMPARE(clicks, 1);
    }

    // Drag-over coordinates are in the receiving control's frame, two containers deep, and the
    // states tell entering, moving over and leaving.
    void dragOverIsDeliveredInTheReceiversFrame() {
        Scene scene;
        PointerRouter& router = scene.form.router();
        router.press({200, 200}, Qt::LeftButton);
        QVERIFY(router.isDragging());
        QCOMPARE(router.dragSource(), &scene.card);
        // The press itself is the first drag-over, on the card it started from.
        QCOMPARE(scene.overs.size(), size_t(1));
        QCOMPARE(scene.overs[0].control, QString("Card"));
        QCOMPARE(scene.overs[0].x, 20.0f);
        scene.overs.clear();

        router.move({1500, 1600}, Qt::LeftButton);
        router.move({1600, 1650}, Qt::LeftButton);
        router.move({500, 1000}, Qt::LeftButton);
        QCOMPARE(scene.overs.size(), size_t(5));
        QCOMPARE(scene.overs[0].control, QString("Card"));
        QCOMPARE(scene.overs[0].state, DragState::Leave);
        QCOMPARE(scene.overs[1].control, QString("Inner"));
        QCOMPARE(scene.overs[1].state, DragState::Enter);
        QCOMPARE(scene.overs[1].x, 1500.0f - 120 - 300 - 1000);
        QCOMPARE(scene.overs[1].y, 1600.0f - 900 - 400 - 200);
        QCOMPARE(scene.overs[2].state, DragState::Over);
        QCOMPARE(scene.overs[2].x, 180.0f);
        QCOMPARE(scene.overs[2].y, 150.0f);
        QCOMPARE(scene.overs[3].control, QString("Inner"));
        QCOMPARE(scene.overs[3].state, DragState::Leave);
        QCOMPARE(scene.overs[4].control, QString("Viewport"));
        QCOMPARE(scene.overs[4].x, 380.0f);
        QCOMPARE(scene.overs[4].y, 100.0f);
        QVERIFY(scene.drops.empty());

        router.release({1950, 1650}, Qt::LeftButton);
        QVERIFY(!router.isDragging());
        QCOMPARE(scene.drops.size(), size_t(1));
        QCOMPARE(scene.drops[0].control, QString("Box"));
        QCOMPARE(scene.drops[0].x, 1950.0f - 120 - 300 - 1500);
    }

    // A leave that moves the next receiver (as a ghost's own handler moves the ghost the pointer
    // has caught up with) still hands that receiver the pointer in its frame as it lies now.
    void dragOverAfterALeaveSeesTheReceiverWhereItIsNow() {
        Scene scene;
        PointerRouter& router = scene.form.router();
        scene.inner.handlers().dragOver = [&](int, Control&, float, float, DragState state) {
            if (state == DragState::Leave)
                scene.card.setGeometry(800, 250, 2235, 435);
        };
        router.press({200, 200}, Qt::LeftButton);
        router.move({1500, 1600}, Qt::LeftButton);
        scene.overs.clear();
        router.move({1000, 300}, Qt::LeftButton);
        QCOMPARE(scene.overs.size(), size_t(1));
        QCOMPARE(scene.overs[0].control, QString("Card"));
        QCOMPARE(scene.overs[0].state, DragState::Enter);
        QCOMPARE(scene.overs[0].x, 200.0f);
        QCOMPARE(scene.overs[0].y, 50.0f);
    }

    // Ending the drag from a handler drops once, where the pointer is; the release that follows
    // is no second drop.
    void endDragDeliversExactlyOneDrop() {
        Scene scene;
        PointerRouter& router = scene.form.router();
        scene.inner.handlers().dragOver = [&](int, Control&, float, float, DragState) {
            router.endDrag();
        };
        router.press({200, 200}, Qt::LeftButton);
        router.move({1500, 1600}, Qt::LeftButton);
        QVERIFY(!router.isDragging());
        QCOMPARE(scene.drops.size(), size_t(1));
        QCOMPARE(scene.drops[0].control, QString("Inner"));
        router.move({1510, 1610}, Qt::LeftButton);
        router.release({1510, 1610}, Qt::LeftButton);
        router.endDrag();
        QCOMPARE(scene.drops.size(), size_t(1));
    }

    // No drag is left hanging: outside the window the background takes the drop, and a move
    // without a button ends a drag whose release was lost.
    void dragsAlwaysEndOnSomething_data() {
        QTest::addColumn<QPointF>("where");
        QTest::addColumn<bool>("releaseLost");
        QTest::newRow("left of the window") << QPointF(-500, 1000) << false;
        QTest::newRow("on the parked card") << QPointF(-100, 900) << false;
        QTest::newRow("below the window") << QPointF(3000, 20000) << false;
        QTest::newRow("over the menu bar") << QPointF(3000, -150) << false;
        QTest::newRow("release lost") << QPointF(-40, 70) << true;
    }
    void dragsAlwaysEndOnSomething() {
        QFETCH(QPointF, where);
        QFETCH(bool, releaseLost);
        Scene scene;
        // A card laid aside beyond the left edge is not found out there either.
        scene.form.create<Image>(scene.form, "Parked").setGeometry(-2235, 800, 2235, 435);
        PointerRouter& router = scene.form.router();
        router.press({200, 200}, Qt::LeftButton);
        if (releaseLost)
            router.move(where, Qt::NoButton);
        else
            router.release(where, Qt::LeftButton);
        QVERIFY(!router.isDragging());
        QCOMPARE(scene.drops.size(), size_t(1));
        QCOMPARE(scene.drops[0].control, QString("Form"));
        QCOMPARE(QPointF(scene.drops[0].x, scene.drops[0].y), where);
    }

    // The whole path with real mouse events: press on the form's widget, move, release on the
    // section box's widget; the router finds what lies under the pointer itself.
    void realMouseEventsTakeTheSamePath() {
        Scene scene;
        scene.form.widget()->show();
        QVERIFY(QTest::qWaitForWindowExposed(scene.form.widget()));
        QWidget* formWidget = scene.form.widget();
        QWidget* sectionWidget = scene.section.widget();

        QTest::mousePress(formWidget, Qt::LeftButton, {}, QPoint(14, 14));
        QVERIFY(scene.form.router().isDragging());
        // 100, 106 px = 1500, 1590 twips in the client area: over the inner image.
        QTest::mouseMove(formWidget, QPoint(100, 106));
        QTest::mouseMove(formWidget, QPoint(102, 106));
        // 2000, 1650 twips = over the text box; released on the section box's widget.
        const QPoint onBox = sectionWidget->mapFrom(formWidget, QPoint(130, 110));
        QTest::mouseRelease(sectionWidget, Qt::LeftButton, {}, onBox);

        QVERIFY(!scene.form.router().isDragging());
        QVERIFY(scene.overs.size() >= 3);
        const DragEvent& enterInner = scene.overs[scene.overs.size() - 2];
        QCOMPARE(enterInner.control, QString("Inner"));
        QCOMPARE(enterInner.state, DragState::Enter);
        QCOMPARE(enterInner.x, 1500.0f - 1420);
        QCOMPARE(enterInner.y, 1590.0f - 1500);
        QCOMPARE(scene.overs.back().state, DragState::Over);
        QCOMPARE(scene.overs.back().x, 1530.0f - 1420);
        QCOMPARE(scene.drops.size(), size_t(1));
        QCOMPARE(scene.drops[0].control, QString("Box"));
        QCOMPARE(scene.drops[0].x, 1950.0f - 1920);
        QCOMPARE(scene.drops[0].y, 1650.0f - 1600);
    }

    // An image that was never given a drawing shows a red cross rather than nothing.
    void anImageWithoutADrawingShowsAPlaceholder() {
        Form form(3000, 3000);
        form.setBackColor(QColor(Qt::white));
        form.create<Image>(form, "Bare").setGeometry(300, 300, 1500, 1500);
        const QImage shown = form.widget()->grab().toImage();
        QCOMPARE(shown.pixelColor(30, 60).rgb(), QColor(0xFF, 0xD0, 0xD0).rgb());
        QCOMPARE(shown.pixelColor(70, 70).rgb(), QColor(Qt::red).rgb());
        QCOMPARE(shown.pixelColor(150, 150).rgb(), QColor(Qt::white).rgb());
    }

    // A set that the code asks for by a name the window lacks, or as another kind than it is,
    // ends the program with the set's name, in every build (a child run does the look-up).
    void aWrongSetEndsTheProgram_data() {
        QTest::addColumn<QString>("lookUp");
        QTest::newRow("misspelt name") << "name";
        QTest::newRow("wrong kind") << "kind";
        QTest::newRow("missing element") << "element";
    }
    void aWrongSetEndsTheProgram() {
        QFETCH(QString, lookUp);
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("LOOK_UP_WRONG_SET", lookUp);
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForFinished(30'000));
        QVERIFY(child.exitStatus() == QProcess::CrashExit || child.exitCode() != 0);
        QVERIFY2(child.readAllStandardError().contains("The control set Card"),
                 "the message names the set");
    }
};

namespace {

// The child run of aWrongSetEndsTheProgram: a look-up that must not return.
int lookUpWrongSet(const QByteArray& which) {
    Form form(1000, 1000);
    form.create<Image>(form, "Card");
    if (which == "name")
        SetOf<Image>(form, "Card9");
    else if (which == "kind")
        SetOf<Label>(form, "Card");
    else
        SetOf<Image>(form, "Card")(3);
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (const QByteArray which = qgetenv("LOOK_UP_WRONG_SET"); !which.isEmpty())
        return lookUpWrongSet(which);
    ControlsTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_controls.moc"
