#include "interaction.h"

#include "app/main_window.h"
#include "app/work_keeper.h"
#include "content/geometry.h"
#include "model/worksheet.h"
#include "view/board.h"
#include "view/section_view.h"

#include <QAction>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTemporaryDir>
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
    Session()
        : window_(worksheet_), board_(window_.board()), keeper_(worksheet_, board_, work_.path()) {
        // The work is kept as the program keeps it, in a folder of the benchmark's own.
        if (!work_.isValid() || keeper_.takeUp() != app::WorkKeeper::Found::Nothing)
            throw std::runtime_error("the work cannot be kept in a fresh folder");
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
            timeAction(&into, [&] { board_.showSection(section); });
        showSection(0);
    }

    void round(InteractionTimes* into) {
        timeAction(into ? &into->restart : nullptr, [this] { give(kRestart); });
        for (int blank = 0; blank < model::kBlanks; ++blank)
            fill(blank, into ? &into->drop : nullptr);
        // Each reaction's coefficients in its ratio, typed into its boxes.
        for (int number = 0; number < model::kReactions; ++number) {
            const model::Reaction& reaction = model::reaction(number);
            for (int i = 0; i < reaction.boxCount; ++i) {
                const int box = model::firstBoxOf(number) + i;
                board_.sectionView(reaction.section)
                    ->boxEdit(box)
                    ->setText(QString::number(reaction.ratio[i]));
            }
        }
        processRepaint();
        timeAction(into ? &into->check : nullptr, [this] { give(kCheck); });
        if (worksheet_.grade() != 100)
            throw std::runtime_error("the full correct worksheet did not score 100%: " +
                                     std::to_string(worksheet_.grade().value_or(-1)));
    }

    // Sweeps a card to and fro across section 0, through its reaction pictures and the space
    // beside them, in 3-pixel moves as a mouse reports them.
    void drag(int warmUpSteps, int steps, InteractionTimes& into) {
        give(kRestart);
        showSection(0);
        grab(0);
        const model::Rect section = content::translated(
            content::sectionBox(0), content::kViewport.left, content::kViewport.top);
        const model::Rect& reaction = content::reactionPicture(1);
        const double y = section.top + reaction.top + reaction.height / 2;
        const double left = section.left + 150;
        const double right = section.right() - 150;
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
            timeAction(nullptr, [&] { mouse(QEvent::MouseMove, point); });
        }
        const int paintsBefore = paints_.count;
        for (int i = 0; i < steps; ++i) {
            const QPointF point = nextPoint();
            timeAction(&into.dragStep, [&] { mouse(QEvent::MouseMove, point); });
        }
        into.paintsPerDragStep = double(paints_.count - paintsBefore) / steps;
        if (paints_.count == paintsBefore)
            throw std::runtime_error("dragging over a section repainted nothing");
        mouse(QEvent::MouseButtonRelease, QPointF(x, y));
        processRepaint();
    }

private:
    // The menu bar's commands by their place on it, left to right.
    static constexpr int kCheck = 1;
    static constexpr int kRestart = 2;

    // A command given as a click on its menu bar item gives it.
    void give(int command) { window_.menuBar()->actions().at(command)->trigger(); }

    void showSection(int section) {
        board_.showSection(section);
        processRepaint();
    }

    // The mouse as the window system hands it over, at a point of the client area in twips.
    void mouse(QEvent::Type type, QPointF client) {
        const QPointF local = client / content::kTwipsPerPixel;
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, local, board_.mapToGlobal(local), Qt::LeftButton, held,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(&board_, &event);
    }

    void grab(int compound) {
        const model::Rect card = content::paletteCard(worksheet_.columnOf(compound));
        mouse(QEvent::MouseButtonPress,
              QPointF(card.left + card.width / 2, card.top + card.height / 2));
        if (!board_.isDragging())
            throw std::runtime_error("pressing a palette card started no drag");
        processRepaint();
    }

    // The middle of the blank's green slot.
    static QPointF onBlank(int blank) {
        const model::Rect section = content::sectionBox(model::sectionOfBlank(blank));
        const model::Rect slot = content::slotOf(blank);
        return {content::kViewport.left + section.left + slot.left + slot.width / 2,
                content::kViewport.top + section.top + slot.top + slot.height / 2};
    }

    void fill(int blank, ActionTimes* into) {
        const int answer = model::blankRecord(blank).answer;
        showSection(model::sectionOfBlank(blank));
        grab(answer);
        const QPointF target = onBlank(blank);
        mouse(QEvent::MouseMove, target);
        processRepaint();
        timeAction(into, [&] { mouse(QEvent::MouseButtonRelease, target); });
        if (worksheet_.compoundIn(blank) != answer)
            throw std::runtime_error("a drop missed blank " + std::to_string(blank));
    }

    PaintCounter paints_;
    model::Worksheet worksheet_;
    app::MainWindow window_;
    view::Board& board_;
    QTemporaryDir work_;
    app::WorkKeeper keeper_;
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
