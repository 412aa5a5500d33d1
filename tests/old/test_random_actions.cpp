// Random actions on the real window, through the same pointer path as the mouse: presses,
// drags along random paths, releases, double-clicks, keys on the blanks, typing, scrolling, checks
// and restarts, with the worksheet's invariants verified after every one of them.
//
// RANDOM_ACTION_SEEDS, RANDOM_ACTION_STEPS and RANDOM_ACTION_FIRST_SEED set how many seeds run,
// how many actions each, and the first seed (20, 1000 and 1 unless set).
#include "layout/send_home.h"
#include "model/coefficients.h"
#include "model/marking.h"
#include "support/window_fixture.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <optional>
#include <random>

using model::kCopies;
using model::kSlots;

namespace {

// Where a blank lies: its reaction picture and section, the split line of a picture with two
// blanks (none for one), and whether it is the picture's right blank.
struct Blank {
    int picture;
    int section;
    float split;
    bool right;
};
Blank blankAt(int slot) {
    const model::Blank& blank = model::blank(slot);
    return {blank.reaction, model::sectionOfBlank(slot), model::reaction(blank.reaction).split,
            blank.side == 1};
}
int answerOf(int slot) {
    return model::blank(slot).answer;
}

constexpr float kHiddenSectionTop = 10000;

// Whether `picture` lies as the ghost of a pointer at `pointer` in its container: 60 twips to
// the right, its middle level with the pointer (to a hundredth of a twip: the handlers add in
// their own order).
bool isGhostOf(const controls::Control& picture, QPointF pointer) {
    return std::abs(picture.left() - (pointer.x() + 60)) <= 0.01 &&
           std::abs(picture.top() - (pointer.y() - 217.5)) <= 0.01;
}

QRectF inClient(const controls::Control& c) {
    return {c.originInForm(), QSizeF(c.width(), c.height())};
}

// A text as a failure message can show it.
QString printable(const QString& text) {
    QString shown;
    for (QChar c : text.left(24)) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            shown += QString("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    if (text.size() > 24)
        shown += QString("...(%1 characters)").arg(text.size());
    return '"' + shown + '"';
}

// ---- The answer key's own marking of a worksheet ----------------------------------------------

// Slots and boxes as the student left them.
struct Sheet {
    std::array<int, kSlots> placed{};
    std::array<QString, 20> texts;
    std::array<bool, 20> shown{};
};

Sheet sheetOf(const WindowFixture& f) {
    Sheet sheet;
    for (int s = 0; s < kSlots; ++s)
        sheet.placed[s] = f.model.SlotTable[s].Placed;
    for (int b = 0; b < 20; ++b) {
        sheet.texts[b] = f.ui.tCoefficient(b).text();
        sheet.shown[b] = f.ui.tCoefficient(b).isVisible();
    }
    return sheet;
}

// What a check must leave: the marking of the worksheet as it was, applied to it.
struct Marked {
    Sheet sheet;
    int grade = 0;
    std::array<bool, 5> fullMarks{};
};

Marked markedFrom(const WindowFixture& f) {
    Marked m{sheetOf(f)};
    model::BoxTexts texts;
    std::copy(m.sheet.texts.begin(), m.sheet.texts.end(), texts.begin());
    const model::Marking marking = model::mark(f.model, texts);
    for (int slot : marking.emptied)
        m.sheet.placed[slot] = -1;
    const auto eachBox = [&](int group, auto change) {
        const model::CoefficientGroup& g = *model::groupOf(group);
        for (int b = g.firstBox; b < g.firstBox + g.boxCount; ++b)
            change(b);
    };
    for (int group : marking.hidden)
        eachBox(group, [&](int b) {
            m.sheet.texts[b].clear();
            m.sheet.shown[b] = false;
        });
    for (int group : marking.cleared)
        eachBox(group, [&](int b) { m.sheet.texts[b].clear(); });
    m.grade = marking.grade;
    m.fullMarks = marking.fullMarks;
    return m;
}

// Empty when the window shows what the marking says a check leaves.
QString differencesFrom(const WindowFixture& f, const Marked& m,
                        const std::array<bool, 5>& notesBefore) {
    const Sheet now = sheetOf(f);
    for (int s = 0; s < kSlots; ++s) {
        if (now.placed[s] != m.sheet.placed[s])
            return QString("slot %1 holds %2, the marking leaves %3")
                .arg(s)
                .arg(now.placed[s])
                .arg(m.sheet.placed[s]);
    }
    for (int b = 0; b < 20; ++b) {
        if (now.texts[b] != m.sheet.texts[b] || now.shown[b] != m.sheet.shown[b])
            return QString("box %1 is %2 %3, the marking leaves it %4 %5")
                .arg(b)
                .arg(now.shown[b] ? "shown" : "hidden", printable(now.texts[b]))
                .arg(m.sheet.shown[b] ? "shown" : "hidden", printable(m.sheet.texts[b]));
    }
    const QString grade = QString::number(m.grade) + u'%';
    if (!f.ui.LGrade.isVisible() || f.ui.LGrade.caption() != grade)
        return QString("grade %1 %2, the marking gives %3")
            .arg(f.ui.LGrade.isVisible() ? "shows" : "hidden,", f.ui.LGrade.caption(), grade);
    for (int s = 0; s < 5; ++s) {
        if (f.ui.Label1(s).isVisible() != (notesBefore[s] || m.fullMarks[s]))
            return QString("note %1 is %2")
                .arg(s)
                .arg(f.ui.Label1(s).isVisible() ? "shown" : "hidden");
    }
    return {};
}

// ---- Invariants -------------------------------------------------------------------------------

int columnOf(const WindowFixture& f, int copy) { return (*f.model.PaletteColumn)[copy % 5]; }

QString awayFromBlank(const WindowFixture& f, int copy, int slot) {
    const Blank blank = blankAt(slot);
    if (at(f.ui.ImgMolecular(copy)) != kAside)
        return where(f.ui.ImgMolecular(copy));
    if (at(f.ui.ImgMolecular00(copy)) != kAside)
        return where(f.ui.ImgMolecular00(copy));
    const int column = columnOf(f, copy);
    for (int s = 0; s < 5; ++s) {
        const auto& twin = f.ui.ImgMolecularOfSection(s, copy);
        if (s != blank.section) {
            if (at(twin) != QPointF(parkedSectionLeft(column), kParkedTop))
                return where(twin);
            continue;
        }
        const QRectF picture = f.ui.ImgSyntactic(blank.picture).rect();
        const bool onSide = blank.split == 0 ||
                            (blank.right ? twin.left() > blank.split
                                         : twin.left() + twin.width() < blank.split);
        if (!(twin.top() > 0) || !picture.contains(twin.rect()) || !onSide)
            return where(twin) + " is not on its blank";
    }
    return {};
}

std::optional<int> slotHolding(const WindowFixture& f, int copy) {
    for (int s = 0; s < kSlots; ++s) {
        if (f.model.SlotTable[s].Placed == copy)
            return s;
    }
    return std::nullopt;
}

// Empty while everything holds; otherwise the first thing that does not.
QString brokenInvariant(WindowFixture& f) {
    const auto& ui = f.ui;
    const bool dragging = f.router().isDragging();
    const int dragged = f.model.DraggedCopy;
    if (dragging && f.router().dragSource() != &ui.ImgMolecular(dragged))
        return "the drag's source is not the card of the dragged copy";

    const int section = ui.VScroll1.value();
    for (int s = 0; s < 5; ++s) {
        const auto& pic = ui.Pic(s);
        if (pic.isVisible() != (s == section) || (s != section && pic.top() != kHiddenSectionTop))
            return QString("section %1 is %2 with the scroll bar at %3")
                .arg(where(pic), pic.isVisible() ? "shown" : "hidden")
                .arg(section);
    }

    std::array<int, kCopies> holders{};
    for (int s = 0; s < kSlots; ++s) {
        const int placed = f.model.SlotTable[s].Placed;
        if (placed < -1 || placed >= kCopies)
            return QString("slot %1 holds %2").arg(s).arg(placed);
        if (placed >= 0 && ++holders[placed] > 1)
            return QString("copy %1 lies in two slots").arg(placed);
    }

    std::array<bool, 5> someHome{};
    for (int copy = 0; copy < kCopies; ++copy) {
        const std::optional<int> slot = slotHolding(f, copy);
        if (dragging && copy == dragged) {
            if (slot)
                return QString("the dragged copy %1 lies in slot %2").arg(copy).arg(*slot);
            for (int s = 0; s < 5; ++s) {
                const auto& twin = ui.ImgMolecularOfSection(s, copy);
                if (s != section && twin.top() != kParkedTop)
                    return QString("the dragged copy shows in hidden section %1: %2")
                        .arg(s)
                        .arg(where(twin));
            }
            continue;
        }
        const QString away = slot ? awayFromBlank(f, copy, *slot) : f.awayFromHome(copy);
        if (!away.isEmpty())
            return QString("copy %1 (%2): %3")
                .arg(copy)
                .arg(slot ? QString("slot %1").arg(*slot) : QString("home"), away);
        if (!slot)
            someHome[copy % 5] = true;
    }

    // The front card of each column: a card of the column's compound at home, or nothing when
    // every copy of that compound is away; a dragged card may pass over it.
    for (int compound = 0; compound < 5; ++compound) {
        const int column = (*f.model.PaletteColumn)[compound];
        const QPointF point(kPaletteLefts[column] + 1117.5f, kPaletteTop + 217.5f);
        const controls::Control* front = ui.Form1.hitTest(point).control;
        if (dragging && front == &ui.ImgMolecular(dragged))
            continue;
        const bool card = front->name() == "ImgMolecular";
        if (someHome[compound] ? !(card && front->index() % 5 == compound &&
                                   f.awayFromHome(front->index()).isEmpty())
                               : front != &ui.Form1)
            return QString("palette column %1 of compound %2 shows %3")
                .arg(column)
                .arg(compound)
                .arg(where(*front));
    }

    for (const model::CoefficientGroup& g : model::kGroupTable) {
        bool complete = true;
        const model::BlankRange blanks = model::blanksOf(g.reaction);
        for (int s = blanks.first; s < blanks.first + blanks.count; ++s)
            complete = complete && f.model.SlotTable[s].Placed >= 0;
        for (int b = g.firstBox; b < g.firstBox + g.boxCount; ++b) {
            const auto& box = ui.tCoefficient(b);
            if (box.isVisible() != complete)
                return QString("box %1 is %2 while its reaction is %3")
                    .arg(b)
                    .arg(box.isVisible() ? "shown" : "hidden",
                         complete ? "complete" : "incomplete");
            if (!box.isVisible() && !box.text().isEmpty())
                return QString("hidden box %1 keeps %2").arg(b).arg(printable(box.text()));
        }
    }
    return {};
}

// ---- Random actions ---------------------------------------------------------------------------

QString named(Qt::MouseButtons buttons) {
    QStringList names;
    if (buttons & Qt::LeftButton)
        names << "left";
    if (buttons & Qt::RightButton)
        names << "right";
    if (buttons & Qt::MiddleButton)
        names << "middle";
    return names.isEmpty() ? QString("no button") : names.join('+');
}

// A key pressed and let go over `widget`, through the application as the keyboard's are.
void sendKey(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QCoreApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QCoreApplication::sendEvent(widget, &release);
}

// The key that types `c`: control characters come from their own keys, and any other key
// types whatever printable text it carries.
Qt::Key keyFor(QChar c) {
    switch (c.unicode()) {
    case 0x08:
        return Qt::Key_Backspace;
    case 0x09:
        return Qt::Key_Tab;
    case 0x0a:
    case 0x0d:
        return Qt::Key_Return;
    case 0x1b:
        return Qt::Key_Escape;
    case 0x7f:
        return Qt::Key_Delete;
    default:
        return Qt::Key_unknown;
    }
}

void typeInto(QWidget* widget, const QString& text) {
    for (QChar c : text)
        sendKey(widget, keyFor(c), {}, QString(c));
}

// Drives one window with one seed. Every action is described as it happens, so that a failure
// names what led to it.
class Monkey {
public:
    Monkey(WindowFixture& f, unsigned seed) : f_(f), random_(seed) {
        // What another seed left on the clipboard must not reach this one.
        QGuiApplication::clipboard()->clear();
        drawPaletteOrder();
    }

    // Performs one action and describes it; a violation seen half-way is kept in `failure`.
    QString act() {
        failure_.clear();
        if (f_.router().isDragging())
            return duringDrag();
        // Now and then a careful stretch, so that whole sections, and the whole worksheet, come
        // out right before a check.
        if (careful_ == 0 && chance(0.005))
            careful_ = 100;
        if (careful_ > 0) {
            --careful_;
            return carefully();
        }
        const int roll = pick(100);
        if (roll < 42)
            return drag();
        if (roll < 48)
            return "press " + press(target(), button());
        if (roll < 53)
            return "move " + move(target(), buttons());
        if (roll < 57)
            return "release " + release(target(), button());
        if (roll < 61)
            return doubleClick();
        if (roll < 65)
            return keysOnBlank();
        if (roll < 81)
            return type();
        if (roll < 95)
            return scroll();
        if (roll < 99)
            return check();
        return chance(0.6) ? restart() : check();
    }

    const QString& failure() const { return failure_; }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    double uniform(double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random_);
    }
    bool chance(double p) { return uniform(0, 1) < p; }
    // Points fall on quarter twips, so that a description shows them exactly.
    static double quarter(double v) { return std::floor(v * 4) / 4; }
    QPointF inside(const QRectF& r) {
        return {quarter(uniform(r.left(), r.right())), quarter(uniform(r.top(), r.bottom()))};
    }

    Qt::MouseButton button() {
        const int roll = pick(10);
        return roll < 7 ? Qt::LeftButton : roll < 9 ? Qt::RightButton : Qt::MiddleButton;
    }
    Qt::MouseButtons buttons() {
        return chance(0.5) ? Qt::MouseButtons(Qt::NoButton) : Qt::MouseButtons(button());
    }

    // A restart draws the palette order from the clock; the seed has to decide it instead, so
    // that a failing seed replays. Sending every copy home again lays the palette out exactly as
    // a restart that drew this order would have.
    void drawPaletteOrder() {
        std::array<std::int16_t, 5> order{0, 1, 2, 3, 4};
        std::shuffle(order.begin(), order.end(), random_);
        f_.model.PaletteColumn = order;
        for (int copy = 0; copy < kCopies; ++copy)
            layout::sendHome(f_.ui, f_.model, copy);
    }

    int section() const { return f_.ui.VScroll1.value(); }

    // The boxes the student can see: shown, in the section in view.
    std::vector<int> shownBoxes() const {
        std::vector<int> boxes;
        for (int b = 0; b < 20; ++b) {
            if (f_.ui.tCoefficient(b).isVisible() && model::sectionOfBox(b) == section())
                boxes.push_back(b);
        }
        return boxes;
    }

    std::vector<int> placedInView() const {
        std::vector<int> copies;
        for (int s = 0; s < kSlots; ++s) {
            const int copy = f_.model.SlotTable[s].Placed;
            if (copy >= 0 && model::sectionOfBlank(s) == section())
                copies.push_back(copy);
        }
        return copies;
    }

    QPointF onPaletteCard() {
        return inside({kPaletteLefts[pick(5)], kPaletteTop, 2235, 435});
    }

    QPointF onPlacedTwin() {
        const auto copies = placedInView();
        if (copies.empty())
            return onReaction();
        return inside(inClient(
            f_.ui.ImgMolecularOfSection(section(), copies[pick(int(copies.size()))])));
    }

    // Over a reaction in view, often a hair's breadth from its split line.
    QPointF onReaction() {
        std::vector<Blank> blanks;
        for (int s = 0; s < kSlots; ++s) {
            if (model::sectionOfBlank(s) == section())
                blanks.push_back(blankAt(s));
        }
        const Blank& blank = blanks[pick(int(blanks.size()))];
        QPointF point = inside(inClient(f_.ui.ImgSyntactic(blank.picture)));
        if (blank.split > 0 && chance(0.4)) {
            const double offsets[] = {-1, -0.25, 0, 0.25, 1, quarter(uniform(-300, 300))};
            point.setX(f_.ui.Pic(section()).originInForm().x() + blank.split + offsets[pick(6)]);
        }
        return point;
    }

    QPointF onShownBox() {
        const auto boxes = shownBoxes();
        if (boxes.empty())
            return onReaction();
        return inside(inClient(f_.ui.tCoefficient(boxes[pick(int(boxes.size()))])));
    }

    // Within 180 twips of an edge, now and then exactly on the zone's inner border.
    QPointF inEdgeZone() {
        const double w = content::kClientWidth;
        const double h = content::kClientHeight;
        const double depth =
            chance(0.2) ? (chance(0.5) ? 180.0 : 179.75) : quarter(uniform(0, 180));
        switch (pick(4)) {
        case 0:
            return {depth, quarter(uniform(0, h))};
        case 1:
            return {w - depth, quarter(uniform(0, h))};
        case 2:
            return {quarter(uniform(0, w)), depth};
        default:
            return {quarter(uniform(0, w)), h - depth};
        }
    }

    QPointF outside() {
        const double w = content::kClientWidth;
        const double h = content::kClientHeight;
        switch (pick(4)) {
        case 0:
            return inside({-3000, -1000, 3000 - 0.25, h + 2000});
        case 1:
            return inside({w, -1000, 3000, h + 2000});
        case 2:
            return inside({-1000, -3000, w + 2000, 3000 - 0.25});
        default:
            return inside({-1000, h, w + 2000, 3000});
        }
    }

    QPointF target() {
        const int roll = pick(100);
        const auto& pic = f_.ui.Pic(section());
        if (roll < 28)
            return onReaction();
        if (roll < 40)
            return onPlacedTwin();
        if (roll < 49)
            return onShownBox();
        if (roll < 55)
            return inside(inClient(pic));
        if (roll < 58) {
            const controls::Control* title = f_.ui.Form1.set("cTitle").find(section());
            return inside(inClient(title ? *title : f_.ui.Label1(section())));
        }
        if (roll < 62)
            return inside(inClient(f_.ui.PicContainer));
        if (roll < 68)
            return onPaletteCard();
        if (roll < 72)
            return inside({0, 0, content::kClientWidth, f_.ui.PicContainer.top()});
        if (roll < 78)
            return inside(inClient(f_.ui.VScroll1));
        if (roll < 84)
            return inEdgeZone();
        if (roll < 89)
            return outside();
        if (roll < 91)
            return inside(inClient(f_.ui.LGrade));
        return inside({-300, -300, content::kClientWidth + 600, content::kClientHeight + 600});
    }

    QString describe(QPointF p) {
        const QString point = QString("(%1, %2)").arg(p.x(), 0, 'f', 2).arg(p.y(), 0, 'f', 2);
        if (!f_.ui.Form1.contains(p))
            return point + " outside the window";
        const auto* c = f_.ui.Form1.hitTest(p).control;
        return QString("%1 on %2(%3)").arg(point, c->name()).arg(c->index());
    }

    const controls::Control& under(QPointF p) {
        return f_.ui.Form1.contains(p) ? *f_.ui.Form1.hitTest(p).control : f_.ui.Form1;
    }

    QString press(QPointF p, Qt::MouseButton b) {
        const QString d = named(b) + " at " + describe(p);
        const bool wasDragging = f_.router().isDragging();
        const auto& pressed = under(p);
        f_.router().press(p, b);
        // Only a card on the palette starts a drag, and a drag of itself.
        const bool card = pressed.name() == "ImgMolecular";
        if (!wasDragging && f_.router().isDragging() != card)
            expected(d, card ? "the press on a card started no drag" : "a drag started");
        else if (!wasDragging && card && f_.model.DraggedCopy != pressed.index())
            expected(d, "the drag is not of the pressed card");
        else if (!wasDragging && card && !isGhostOf(pressed, p))
            expected(d, "the card does not leave beside the pointer: " + where(pressed));
        return d;
    }

    QString move(QPointF p, Qt::MouseButtons b) {
        const QString d = "to " + describe(p) + " with " + named(b);
        const bool wasDragging = f_.router().isDragging();
        const auto& target = under(p);
        const Sheet before = sheetOf(f_);
        f_.router().move(p, b);
        if (wasDragging)
            expectAfterDragMove(d, p, b, target, before);
        return d;
    }

    QString release(QPointF p, Qt::MouseButton b) {
        const QString d = named(b) + " at " + describe(p);
        const bool wasDragging = f_.router().isDragging();
        const auto& target = under(p);
        const std::optional<int> slot = wasDragging ? slotTakenBy(target, p) : std::nullopt;
        const Sheet before = sheetOf(f_);
        f_.router().release(p, b);
        if (f_.router().isDragging())
            expected(d, "a drag is left hanging after the release");
        else if (wasDragging)
            expectAfterDrop(d, slot, before);
        return d;
    }

    // The blank a drop on `target` fills: a reaction's blank on the pointer's side of its split
    // line, the blank a coefficient box stands for, or the blank of a placed compound; nothing
    // anywhere else.
    std::optional<int> slotTakenBy(const controls::Control& target, QPointF p) const {
        const QString name = target.name();
        if (name == "tCoefficient")
            return model::box(target.index()).fills;
        if (name == "ImgSyntactic") {
            const float x = float(p.x() - target.originInForm().x());
            for (int s = 0; s < kSlots; ++s) {
                const Blank blank = blankAt(s);
                if (blank.picture != target.index())
                    continue;
                if (blank.split == 0 || (!blank.right && x < blank.split - target.left()) ||
                    (blank.right && !(x < blank.split - target.left())))
                    return s;
            }
            return std::nullopt;
        }
        for (int section = 0; section < 5; ++section) {
            if (name != QString("ImgMolecular%1").arg(section))
                continue;
            for (int s = 0; s < kSlots; ++s) {
                if (model::sectionOfBlank(s) == section &&
                    f_.model.SlotTable[s].Placed == target.index())
                    return s;
            }
        }
        return std::nullopt;
    }

    void expectAfterDrop(const QString& step, std::optional<int> slot, const Sheet& before) {
        const int copy = f_.model.DraggedCopy;
        for (int s = 0; s < kSlots; ++s) {
            const int placed = f_.model.SlotTable[s].Placed;
            if (placed != (slot == s ? copy : before.placed[s])) {
                expected(step, QString("the drop left slot %1 holding %2").arg(s).arg(placed));
                return;
            }
        }
        if (!slot) {
            if (const QString away = f_.awayFromHome(copy); !away.isEmpty())
                expected(step, "a drop that takes no compound left the copy out: " + away);
        }
        // What was typed stays, whatever the drop did.
        for (int b = 0; b < 20; ++b) {
            if (f_.ui.tCoefficient(b).text() != before.texts[b])
                expected(step, QString("the drop changed the text of box %1").arg(b));
        }
    }

    void expected(const QString& step, const QString& problem) {
        if (failure_.isEmpty())
            failure_ = problem + " (" + step + ")";
    }

    static bool inEdgeZone(QPointF p) {
        return p.x() < 180 || p.x() > content::kClientWidth - 180 || p.y() < 180 ||
               p.y() > content::kClientHeight - 180;
    }

    // A move with no button held ends the drag as a drop on the background, whatever lies under
    // the pointer; so does the window's edge zone; the scroll bar sends the copy home but keeps
    // the drag; elsewhere the card follows the pointer (hidden behind the viewport where a twin
    // shows instead).
    void expectAfterDragMove(const QString& step, QPointF p, Qt::MouseButtons b,
                             const controls::Control& target, const Sheet& before) {
        const int copy = f_.model.DraggedCopy;
        const bool dragging = f_.router().isDragging();
        if (b == Qt::NoButton) {
            if (dragging)
                expected(step, "a move with no button held left the drag on");
            expectAfterDrop(step, std::nullopt, before);
            return;
        }
        if (&target == &f_.ui.Form1 && inEdgeZone(p)) {
            if (dragging)
                expected(step, "the edge zone left the drag on");
            else if (const QString away = f_.awayFromHome(copy); !away.isEmpty())
                expected(step, "the edge zone left the dragged copy out: " + away);
            return;
        }
        if (!dragging) {
            if (!inEdgeZone(p))
                expected(step, "the drag ended on a move");
            return;
        }
        if (&target == &f_.ui.VScroll1) {
            if (const QString away = f_.awayFromHome(copy); !away.isEmpty())
                expected(step, "the scroll bar left the ghost out: " + away);
            return;
        }
        // Which of the three pictures the control under the pointer moves: all of them over
        // the background controls, reactions and boxes; only its own kind over a card or twin.
        const QString name = target.name();
        const bool background = QStringList{"Form",   "PicContainer", "Pic",         "cTitle",
                                            "Label1", "ImgSyntactic", "tCoefficient"}
                                    .contains(name);
        const auto& viewport = f_.ui.PicContainer;
        const auto& pic = f_.ui.Pic(section());
        const std::array<std::pair<const controls::Control*, QPointF>, 3> followers{{
            {name == "ImgMolecular" || background ? &f_.ui.ImgMolecular(copy) : nullptr, p},
            {name == "ImgMolecular00" || background ? &f_.ui.ImgMolecular00(copy) : nullptr,
             p - viewport.originInForm()},
            {name == QString("ImgMolecular%1").arg(section()) || background
                 ? &f_.ui.ImgMolecularOfSection(section(), copy)
                 : nullptr,
             p - pic.originInForm()},
        }};
        for (const auto& [picture, pointer] : followers) {
            if (picture && !isGhostOf(*picture, pointer))
                expected(step, "the ghost does not follow the pointer: " + where(*picture));
        }
    }

    // Invariants half-way through an action, so that a drag shows where it went wrong.
    void verifyNow(const QString& soFar) {
        if (!failure_.isEmpty())
            return;
        const QString broken = brokenInvariant(f_);
        if (!broken.isEmpty())
            failure_ = broken + " (after: " + soFar + ")";
    }

    QString drag() {
        if (chance(0.55))
            return dragIntoBlank();
        // A box takes a drop only while its reaction is complete, which random ends seldom meet.
        if (!shownBoxes().empty() && chance(0.25))
            return dragAlong(onPaletteCard(), onShownBox());
        return dragAlong(chance(0.9) ? onPaletteCard() : target(), target());
    }

    // A card taken to a blank of the section in view, mostly a blank not yet right and the
    // compound the key asks for there, so that worksheets fill up and checks reach full marks.
    QString dragIntoBlank() {
        const auto holds = [&](int slot) {
            const int copy = f_.model.SlotTable[slot].Placed;
            return copy < 0 ? -1 : copy % 5;
        };
        // For a pair, the partner blank's compound decides which answer is still missing.
        const auto wanted = [&](int slot) {
            const int partner = model::partnerOf(slot);
            if (partner == model::kNone)
                return answerOf(slot);
            if (holds(partner) == answerOf(partner))
                return answerOf(slot);
            if (holds(partner) == answerOf(slot))
                return answerOf(partner);
            return answerOf(chance(0.5) ? slot : partner);
        };
        std::vector<int> blanks;
        std::vector<int> unfinished;
        for (int s = 0; s < kSlots; ++s) {
            if (model::sectionOfBlank(s) != section())
                continue;
            blanks.push_back(s);
            if (holds(s) != wanted(s))
                unfinished.push_back(s);
        }
        const auto& from = unfinished.empty() || (!careful_ && chance(0.2)) ? blanks : unfinished;
        const int slot = from[pick(int(from.size()))];
        const Blank blank = blankAt(slot);
        const int compound = !careful_ && chance(0.12) ? pick(5) : wanted(slot);
        const int column = (*f_.model.PaletteColumn)[compound];
        const QPointF start = inside({kPaletteLefts[column], kPaletteTop, 2235, 435});

        const auto& picture = f_.ui.ImgSyntactic(blank.picture);
        QRectF side = picture.rect();
        if (blank.split > 0) {
            if (blank.right)
                side.setLeft(blank.split);
            else
                side.setRight(blank.split - 1);
        }
        const QPointF end = f_.ui.Pic(section()).originInForm() + inside(side);
        return dragAlong(start, end);
    }

    QString dragAlong(QPointF start, QPointF end) {
        const Qt::MouseButton b = button();
        QString d = "drag: press " + press(start, b);
        verifyNow(d);
        const int moves = pick(7);
        for (int i = 0; i < moves && failure_.isEmpty(); ++i) {
            const Qt::MouseButtons held = chance(0.03) ? Qt::MouseButtons(Qt::NoButton)
                                                       : Qt::MouseButtons(b);
            d += "; move " + move(target(), held);
            verifyNow(d);
        }
        if (!failure_.isEmpty() || chance(0.06))
            return d + "; no release yet";
        if (chance(0.7)) {
            d += "; move " + move(end, b);
            verifyNow(d);
        }
        return d + "; release " + release(end, b);
    }

    // While a drag goes on only the pointer, and what reaches the window through it, can act.
    QString duringDrag() {
        const int roll = pick(100);
        QString d;
        if (roll < 40) {
            d = "move " + move(target(), chance(0.05) ? Qt::MouseButtons(Qt::NoButton)
                                                       : Qt::MouseButtons(button()));
        } else if (roll < 70) {
            return "release " + release(target(), button());
        } else if (roll < 75) {
            d = "press " + press(target(), button());
        } else if (roll < 80) {
            const QPointF p = onPlacedTwin();
            d = "double-click at " + describe(p);
            f_.router().doubleClick(p, Qt::LeftButton);
        } else if (roll < 86) {
            // A drag holds the keyboard and the wheel: nothing typed or scrolled gets through.
            const Sheet before = sheetOf(f_);
            const auto slotsBefore = placedCopies();
            const int shown = section();
            const int what = pick(3);
            d = what == 0   ? "keys during the drag: " + typeKeys()
                : what == 1 ? "scroll during the drag: " + scrollByMouse()
                            : "keys during the drag: " + keysOnBlank();
            if (sheetOf(f_).texts != before.texts)
                expected(d, "a key reached a box during the drag");
            if (placedCopies() != slotsBefore)
                expected(d, "a key reached a blank during the drag");
            if (section() != shown)
                expected(d, "the section changed during the drag");
        } else if (roll < 93) {
            // The menu bar lies above the client area: a click there is a release outside.
            d = "click on the menu bar";
            QTest::mouseClick(f_.window->menuBar(), Qt::LeftButton, {}, QPoint(20, 5));
            if (f_.router().isDragging())
                expected(d, "a drag is left hanging after a click on the menu bar");
        } else {
            // Another window comes to the front in the middle of the drag.
            d = "the window loses the focus";
            const Sheet before = sheetOf(f_);
            QEvent deactivate(QEvent::WindowDeactivate);
            QCoreApplication::sendEvent(f_.window.get(), &deactivate);
            if (f_.router().isDragging())
                expected(d, "a drag is left hanging after the window lost the focus");
            expectAfterDrop(d, std::nullopt, before);
        }
        return d;
    }

    QString doubleClick() {
        const QPointF p = chance(0.75) ? onPlacedTwin() : target();
        const Qt::MouseButton b = chance(0.8) ? Qt::LeftButton : button();
        if (chance(0.3)) {
            f_.router().doubleClick(p, b);
            return "double-click alone at " + describe(p);
        }
        // The mouse's own sequence: a press and release, then the double-click and its release.
        const QString d = "double-click " + named(b) + " at " + describe(p);
        press(p, b);
        release(p, b);
        f_.router().doubleClick(p, b);
        release(p, b);
        return d;
    }

    std::array<std::int16_t, model::kSlots> placedCopies() const {
        std::array<std::int16_t, model::kSlots> placed{};
        for (int s = 0; s < model::kSlots; ++s)
            placed[s] = f_.model.SlotTable[s].Placed;
        return placed;
    }

    // A key on a blank of the section in view, as the keyboard sends it to the blank's stop.
    QString keysOnBlank() {
        static const Qt::Key keys[] = {
            Qt::Key_Space, Qt::Key_Return, Qt::Key_Right,     Qt::Key_Down,   Qt::Key_Left,
            Qt::Key_Up,    Qt::Key_Delete, Qt::Key_Backspace, Qt::Key_PageUp, Qt::Key_PageDown};
        std::vector<int> blanks;
        for (int s = 0; s < model::kSlots; ++s) {
            if (model::sectionOfBlank(s) == section())
                blanks.push_back(s);
        }
        const int slot = blanks[pick(int(blanks.size()))];
        const Qt::Key key = keys[pick(int(std::size(keys)))];
        QTest::keyClick(f_.window->blankStops().stop(slot), key);
        return QString("key %1 on blank %2").arg(QKeySequence(key).toString()).arg(slot);
    }

    // Up to `longest` characters; only pasted text is ever longer than a few hundred.
    QString randomText(int longest) {
        static const QStringList samples{
            "1",      "2",     "3",      "4",      "6",      "10",    "007",   "-1",
            "+2",     "0",     "-0",     "1.5",    "2.5",    "0.5",   "0.6",   ".5",
            "5.",     "1.2.3", "0,5",    "1,0",    "2e0",    "1e1",   "5e-1",  "25E-1",
            "1e",     "3e+",   "1e400",  "1e-400", "abc",    "x2",    "2x",    "δύο",
            "α",      "Ένα",   "٣",      "２",     "40000",  "32767", "32768", "-32768",
            "16384",  "16383", "1e5",    " ",      "   ",    "\t",    "\t2",   " 2 ",
            "\n",     "\r\n",  "2\t",    " \t ",   "\b",     "\x1b",  "\x7f",  "\x01",
            "½",      "∞",     "NaN",    "inf",    "&H10",   "0x10",  "+ 2",   "2 2"};
        static const QString pool = "0123456789+-.,eE aζΩ\t\n";
        switch (pick(6)) {
        case 0:
        case 1:
        case 2:
            return samples[pick(int(samples.size()))];
        case 3:
            return QString::number(pick(46) - 5);
        case 4: {
            const QChar runs[] = {u'9', u'0', u'1', u' ', u'.'};
            const int length = 1 + pick(chance(0.05) ? longest : std::min(longest, 200));
            return QString(length, runs[pick(5)]);
        }
        default: {
            QString text;
            for (int n = 1 + pick(8); n > 0; --n)
                text += pool[pick(int(pool.size()))];
            return text;
        }
        }
    }

    // Keys as the keyboard sends them to a shown box (or to a box at random during a drag,
    // which must not reach it).
    QString typeKeys() {
        const auto boxes = shownBoxes();
        const int box = boxes.empty() ? pick(8) : boxes[pick(int(boxes.size()))];
        QLineEdit* edit = f_.ui.tCoefficient(box).lineEdit();
        if (chance(0.3)) {
            using Key = std::pair<Qt::Key, Qt::KeyboardModifiers>;
            const auto control = Qt::ControlModifier;
            static const std::array<Key, 14> keys{
                {{Qt::Key_Backspace, {}}, {Qt::Key_Delete, {}}, {Qt::Key_Home, {}},
                 {Qt::Key_End, {}}, {Qt::Key_Left, {}}, {Qt::Key_Right, Qt::ShiftModifier},
                 {Qt::Key_A, control}, {Qt::Key_Z, control},
                 {Qt::Key_Z, control | Qt::ShiftModifier}, {Qt::Key_X, control},
                 {Qt::Key_C, control}, {Qt::Key_V, control}, {Qt::Key_Escape, {}},
                 {Qt::Key_Return, {}}}};
            const auto [key, modifiers] = keys[pick(int(keys.size()))];
            sendKey(edit, key, modifiers, {});
            return QString("key %1 with modifiers %2 in box %3")
                .arg(key, 0, 16)
                .arg(int(modifiers), 0, 16)
                .arg(box);
        }
        const QString text = randomText(200);
        typeInto(edit, text);
        return "keys " + printable(text) + QString(" in box %1").arg(box);
    }

    // A whole reaction's coefficients, in its ratio or just off it, written the ways a student
    // might write them.
    QString typeGroup(const model::CoefficientGroup& g) {
        const std::array<int, 4>& ratio = g.ratio;
        const int factor = !careful_ && chance(0.05) ? 16383 + pick(3) : 1 + pick(4);
        // Now and then one box is off by one, or written so that it reads otherwise.
        const int off = !careful_ && chance(0.25) ? pick(g.boxCount) : -1;
        QStringList texts;
        for (int i = 0; i < g.boxCount; ++i) {
            int value = ratio[i] * factor;
            if (i == off && chance(0.5))
                value += chance(0.5) ? 1 : -1;
            const QString v = QString::number(value);
            if (i == off) {
                const QString misread[] = {v, v + ".5", "0," + v, "." + v, v + "e9", "- " + v};
                texts << misread[pick(6)];
                continue;
            }
            const QString forms[] = {v,        v,        v,        " " + v + " ",
                                     "+" + v,  v + ".0", v + ".4", v + "abc",
                                     v + "e0", "0" + v,  value == 1 ? "" : v,
                                     value == 1 ? "   " : v};
            texts << forms[pick(12)];
        }
        for (int i = 0; i < g.boxCount; ++i) {
            QLineEdit* edit = f_.ui.tCoefficient(g.firstBox + i).lineEdit();
            sendKey(edit, Qt::Key_A, Qt::ControlModifier, {});
            sendKey(edit, Qt::Key_Delete, {}, {});
            typeInto(edit, texts[i]);
        }
        return QString("coefficients %1 of reaction %2").arg(texts.join(" | ")).arg(g.reaction);
    }

    QString type() {
        const auto boxes = shownBoxes();
        if (boxes.empty())
            return drag();
        if (chance(0.35)) {
            std::vector<const model::CoefficientGroup*> shown;
            for (const model::CoefficientGroup& g : model::kGroupTable) {
                if (std::find(boxes.begin(), boxes.end(), g.firstBox) != boxes.end())
                    shown.push_back(&g);
            }
            return typeGroup(*shown[pick(int(shown.size()))]);
        }
        if (chance(0.6))
            return typeKeys();
        // Pasted or put in by an input method: anything at all, control characters included.
        const int box = boxes[pick(int(boxes.size()))];
        QLineEdit* edit = f_.ui.tCoefficient(box).lineEdit();
        const QString text = randomText(40000);
        if (chance(0.5))
            edit->selectAll();
        edit->insert(text);
        return "insert " + printable(text) + QString(" into box %1").arg(box);
    }

    // What the mouse can do to the scroll bar: a click or a turn of the wheel.
    QString scrollByMouse() {
        QScrollBar* bar = f_.ui.VScroll1.scrollBar();
        if (chance(0.5)) {
            const QPoint p(bar->width() / 2, pick(std::max(1, bar->height())));
            QTest::mouseClick(bar, Qt::LeftButton, {}, p);
            return QString("click on the scroll bar at pixel %1").arg(p.y());
        }
        const int delta = chance(0.5) ? 120 : -120;
        QWheelEvent wheel(QPointF(bar->width() / 2.0, bar->height() / 2.0),
                          bar->mapToGlobal(QPointF(bar->width() / 2.0, bar->height() / 2.0)),
                          QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(bar, &wheel);
        return QString("wheel %1 on the scroll bar").arg(delta);
    }

    QString scroll() {
        QScrollBar* bar = f_.ui.VScroll1.scrollBar();
        switch (pick(5)) {
        case 0: {
            const int value = pick(5);
            f_.ui.VScroll1.setValue(value);
            return QString("scroll bar set to %1").arg(value);
        }
        case 1: {
            const bool down = chance(0.5);
            bar->triggerAction(down ? QAbstractSlider::SliderSingleStepAdd
                                    : QAbstractSlider::SliderSingleStepSub);
            return QString("scroll arrow %1").arg(down ? "down" : "up");
        }
        case 2: {
            const bool down = chance(0.5);
            bar->triggerAction(down ? QAbstractSlider::SliderPageStepAdd
                                    : QAbstractSlider::SliderPageStepSub);
            return QString("scroll trough %1").arg(down ? "down" : "up");
        }
        case 3: {
            QString d = "scroll thumb through";
            bar->setSliderDown(true);
            for (int n = 1 + pick(4); n > 0; --n) {
                const int position = pick(5);
                bar->setSliderPosition(position);
                d += QString(" %1").arg(position);
                verifyNow(d);
            }
            bar->setSliderDown(false);
            return d;
        }
        default:
            return scrollByMouse();
        }
    }

    QString check() {
        const Marked expected = markedFrom(f_);
        std::array<bool, 5> notes{};
        for (int s = 0; s < 5; ++s)
            notes[s] = f_.ui.Label1(s).isVisible();
        f_.window->mnuCheck->trigger();
        const QString difference = differencesFrom(f_, expected, notes);
        if (!difference.isEmpty())
            failure_ = "after the check, " + difference;
        return "check";
    }

    QString restart() {
        f_.window->mnuRestart->trigger();
        for (int s = 0; s < kSlots; ++s) {
            if (f_.model.SlotTable[s].Placed != model::kEmpty)
                failure_ = QString("slot %1 is not empty after the restart").arg(s);
        }
        if (f_.ui.LGrade.isVisible())
            failure_ = "the grade shows after the restart";
        verifyNow("restart");
        drawPaletteOrder();
        return "restart";
    }

    // Fills the section in view as the key asks and writes the coefficients of its reactions in
    // their ratios, then goes on to the next section with work left; checks at the end.
    QString carefully() {
        std::array<bool, 5> blanksLeft{};
        for (int s = 0; s < kSlots; ++s) {
            const int copy = f_.model.SlotTable[s].Placed;
            const int partner = model::partnerOf(s);
            const bool right =
                copy >= 0 && (copy % 5 == answerOf(s) ||
                              (partner != model::kNone && copy % 5 == answerOf(partner) &&
                               f_.model.SlotTable[partner].Placed % 5 != copy % 5));
            const int section = model::sectionOfBlank(s);
            blanksLeft[section] = blanksLeft[section] || !right;
        }
        if (blanksLeft[section()])
            return dragIntoBlank();
        std::array<const model::CoefficientGroup*, 5> groupLeft{};
        for (const model::CoefficientGroup& g : model::kGroupTable) {
            if (!f_.ui.tCoefficient(g.firstBox).isVisible())
                continue;
            std::vector<QString> texts;
            for (int b = g.firstBox; b < g.firstBox + g.boxCount; ++b)
                texts.push_back(f_.ui.tCoefficient(b).text());
            if (!model::coefficientsRight(g, texts))
                groupLeft[model::sectionOfBox(g.firstBox)] = &g;
        }
        if (groupLeft[section()])
            return typeGroup(*groupLeft[section()]);
        for (int step = 1; step < 5; ++step) {
            const int next = (section() + step) % 5;
            if (blanksLeft[next] || groupLeft[next]) {
                f_.ui.VScroll1.setValue(next);
                return QString("scroll bar set to %1").arg(next);
            }
        }
        careful_ = 0;
        return check();
    }

    WindowFixture& f_;
    std::mt19937 random_;
    QString failure_;
    // Actions left in the careful stretch.
    int careful_ = 0;
};

int setting(const char* name, int fallback) {
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : fallback;
}

} // namespace

class RandomActionsTest : public QObject {
    Q_OBJECT

private slots:
    // Whatever the student does, in whatever order: every copy lies in at most one slot and
    // shows there, or is home; each compound keeps a card in front of its column; the boxes
    // shown are those of complete reactions; a check grades as the answer key does; no drag
    // outlives its release.
    void invariantsHoldAfterEveryRandomAction_data() {
        QTest::addColumn<int>("seed");
        const int seeds = setting("RANDOM_ACTION_SEEDS", 20);
        const int firstSeed = setting("RANDOM_ACTION_FIRST_SEED", 1);
        for (int seed = firstSeed; seed < firstSeed + seeds; ++seed)
            QTest::addRow("seed %d", seed) << seed;
    }
    void invariantsHoldAfterEveryRandomAction() {
        QFETCH(int, seed);
        const int steps = setting("RANDOM_ACTION_STEPS", 1000);
        WindowFixture f;
        Monkey monkey(f, unsigned(seed));
        QCOMPARE(brokenInvariant(f), QString());
        for (int step = 1; step <= steps; ++step) {
            const QString action = monkey.act();
            QString broken = monkey.failure();
            if (broken.isEmpty())
                broken = brokenInvariant(f);
            if (!broken.isEmpty())
                QFAIL(qPrintable(QString("seed %1, action %2 (%3): %4")
                                     .arg(seed)
                                     .arg(step)
                                     .arg(action, broken)));
        }
    }

    // Moving right by more than the ghost's 60-twip lead puts the pointer on the ghost itself,
    // just after the control it left has moved that ghost: the card over the palette and the
    // twin in the section stay beside the pointer all the same.
    void theGhostStaysBesideAPointerThatCatchesUpWithIt() {
        WindowFixture f;
        f.showSection(0);
        const int copy = f.grab(2);
        const auto& card = f.ui.ImgMolecular(copy);
        f.moveTo({3000, 800});
        QCOMPARE(at(card), QPointF(3060, 582.5));
        const QPointF onCard(3400, 700);
        QCOMPARE(f.ui.Form1.hitTest(onCard).control, &card);
        f.moveTo(onCard);
        QCOMPARE(at(card), onCard + QPointF(60, -217.5));

        const auto& pic = f.ui.Pic(0);
        const auto& twin = f.ui.ImgMolecularOfSection(0, copy);
        f.moveTo(WindowFixture::inClient(pic, {11000, 700}));
        QCOMPARE(at(twin), QPointF(11060, 482.5));
        const QPointF onTwin = WindowFixture::inClient(pic, {11300, 600});
        QCOMPARE(f.ui.Form1.hitTest(onTwin).control, &twin);
        f.moveTo(onTwin);
        QCOMPARE(at(twin), QPointF(11360, 382.5));
        QCOMPARE(at(card), onTwin + QPointF(60, -217.5));

        f.releaseAt(WindowFixture::inClient(pic, {11000, 4900}));
        QVERIFY(!f.router().isDragging());
        QCOMPARE(brokenInvariant(f), QString());
    }

    // A line break pasted into a box is no empty box: it reads as no number, so the reaction's
    // coefficients are wrong and the box is emptied.
    void aBoxHoldingALineBreakIsNotEmpty() {
        WindowFixture f;
        f.fill(0, 0, 1);
        f.ui.tCoefficient(0).lineEdit()->insert("\r\n");
        f.ui.tCoefficient(1).lineEdit()->insert("1");
        QCOMPARE(f.ui.tCoefficient(0).text(), QString("\r\n"));
        f.window->mnuCheck->trigger();
        QCOMPARE(f.ui.LGrade.caption(), QString("3%"));
        QVERIFY(f.ui.tCoefficient(0).isVisible());
        QCOMPARE(f.ui.tCoefficient(0).text(), QString());
        QCOMPARE(f.ui.tCoefficient(1).text(), QString());
    }
};

QTEST_MAIN(RandomActionsTest)
#include "test_random_actions.moc"
