#include "interaction.h"

#include "app/main_window.h"

#include <QAction>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStringList>
#include <QThread>
#include <QWindow>

#include <chrono>
#include <stdexcept>
#include <string>
#include <utility>

namespace bench {

namespace {

using Clock = std::chrono::steady_clock;

double microseconds(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::micro>(to - from).count();
}

// What the event loop does next after a handler: chiefly the update request that repaints what
// the handler changed.
void processRepaint() {
    QCoreApplication::processEvents();
}

template <class Action> void timeAction(ActionTimes* into, Action&& action) {
    const auto start = Clock::now();
    std::forward<Action>(action)();
    const auto handled = Clock::now();
    processRepaint();
    const auto painted = Clock::now();
    if (into) {
        into->handlers.push_back(microseconds(start, handled));
        into->withRepaint.push_back(microseconds(start, painted));
    }
}

class PaintCounter : public QObject {
public:
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

class Session {
public:
    Session() {
        qApp->installEventFilter(&paints_);
        window_.show();
        QElapsedTimer waited;
        waited.start();
        while (paints_.count == 0 || !window_.windowHandle() ||
               !window_.windowHandle()->isExposed()) {
            if (waited.hasExpired(10'000))
                throw std::runtime_error("the main window never painted");
            processRepaint();
            QThread::msleep(1);
        }
    }

    // The work the window leaves for after its first frame runs a piece per pass of the event
    // loop; a student looks at the first section for far longer than it takes.
    void settle() {
        QElapsedTimer waited;
        waited.start();
        while (!waited.hasExpired(200)) {
            processRepaint();
            QThread::msleep(1);
        }
    }

    void visitSections(ActionTimes& into) {
        settle();
        for (int section = 1; section < model::kSections; ++section)
            timeAction(&into, [&] { ui().VScroll1.setValue(section); });
        ui().VScroll1.setValue(0);
        processRepaint();
    }

    void round(InteractionTimes* into) {
        timeAction(into ? &into->restart : nullptr, [this] { window_.mnuRestart->trigger(); });
        for (int slot = 0; slot < model::kSlots; ++slot)
            fill(slot, into ? &into->drop : nullptr);
        // Each reaction's coefficients in their ratio.
        for (const model::CoefficientGroup& group : model::kGroupTable) {
            for (int i = 0; i < group.boxCount; ++i)
                ui().tCoefficient(group.firstBox + i).setText(QString::number(group.ratio[i]));
        }
        processRepaint();
        timeAction(into ? &into->check : nullptr, [this] { window_.mnuCheck->trigger(); });
        if (!ui().LGrade.isVisible() || ui().LGrade.caption() != QStringLiteral("100%"))
            throw std::runtime_error("the full correct worksheet did not score 100%: " +
                                     ui().LGrade.caption().toStdString());
    }

    // Sweeps a card to and fro across section 0, through its reaction pictures and the space
    // beside them, in 3-pixel moves as a mouse reports them.
    void drag(int warmUpSteps, int steps, InteractionTimes& into) {
        window_.mnuRestart->trigger();
        showSection(0);
        grab(0);
        const controls::Control& pic = ui().Pic(0);
        const controls::Control& reaction = ui().ImgSyntactic(1);
        const double y = reaction.originInForm().y() + reaction.height() / 2;
        const double left = pic.originInForm().x() + 150;
        const double right = pic.originInForm().x() + pic.width() - 150;
        constexpr double kStep = 45;
        double x = left;
        double direction = 1;
        const auto nextPoint = [&] {
            if (x + direction * kStep > right || x + direction * kStep < left)
                direction = -direction;
            x += direction * kStep;
            return QPointF(x, y);
        };
        for (int i = 0; i < warmUpSteps; ++i) {
            const QPointF point = nextPoint();
            timeAction(nullptr, [&] { router().move(point, Qt::LeftButton); });
        }
        const int paintsBefore = paints_.count;
        for (int i = 0; i < steps; ++i) {
            const QPointF point = nextPoint();
            timeAction(&into.dragStep, [&] { router().move(point, Qt::LeftButton); });
        }
        into.paintsPerDragStep = double(paints_.count - paintsBefore) / steps;
        if (paints_.count == paintsBefore)
            throw std::runtime_error("dragging over a section repainted nothing");
        router().release(QPointF(x, y), Qt::LeftButton);
        processRepaint();
    }

private:
    content::MainControls& ui() { return window_.worksheet().ui; }
    model::Model& model() { return window_.worksheet().model; }
    controls::PointerRouter& router() { return ui().Form1.router(); }

    void showSection(int section) {
        ui().VScroll1.setValue(section);
        processRepaint();
    }

    // The middle of the palette column of `compound`, where its front card lies.
    QPointF paletteCard(int compound) {
        for (int copy = compound; copy < model::kCopies; copy += model::kCompounds) {
            const controls::Image& card = ui().ImgMolecular(copy);
            if (card.isVisible() && card.top() > 0 && card.left() >= 0)
                return card.originInForm() + QPointF(card.width() / 2, card.height() / 2);
        }
        throw std::runtime_error("no card of compound " + std::to_string(compound) +
                                 " left on the palette");
    }

    void grab(int compound) {
        router().press(paletteCard(compound), Qt::LeftButton);
        if (!router().isDragging())
            throw std::runtime_error("pressing a palette card started no drag");
        processRepaint();
    }

    // Well inside the green slot of that blank.
    QPointF onBlank(const model::Blank& blank) {
        const controls::Image& picture = ui().ImgSyntactic(blank.reaction);
        const float x = picture.width() * (blank.side == 0 ? 0.6f : 0.9f);
        return picture.originInForm() + QPointF(x, 555);
    }

    void fill(int slot, ActionTimes* into) {
        const model::Blank& blank = model::blank(slot);
        const int answer = model().SlotTable[slot].Answer;
        showSection(model::sectionOfBlank(slot));
        grab(answer);
        const QPointF target = onBlank(blank);
        router().move(target, Qt::LeftButton);
        processRepaint();
        timeAction(into, [&] { router().release(target, Qt::LeftButton); });
        const int placed = model().SlotTable[slot].Placed;
        if (placed < 0 || model::compoundOf(placed) != answer)
            throw std::runtime_error("a drop missed blank " + std::to_string(slot));
    }

    PaintCounter paints_;
    app::MainWindow window_;
};

} // namespace

InteractionTimes timeInteraction(int rounds, int dragSteps) {
    InteractionTimes times;
    Session session;
    session.visitSections(times.firstVisit);
    // The first round renders every drawing at its size once; later rounds find them cached.
    session.round(nullptr);
    for (int i = 0; i < rounds; ++i)
        session.round(&times);
    session.drag(dragSteps / 10, dragSteps, times);
    return times;
}

} // namespace bench
