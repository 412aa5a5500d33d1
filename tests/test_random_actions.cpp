// Random actions on the real window, as the mouse and the keyboard make them: presses with any
// button, drags along random paths that end anywhere, releases, double-clicks, keys on the
// blanks, typing and pasting into the coefficient boxes, scrolling, checks, restarts and a window
// that loses the input in the middle of a drag. After every event the worksheet must hold what
// the rules say it holds and the window must agree with it; now and then what is really on the
// screen is looked at too.
//
// RANDOM_ACTION_SEEDS, RANDOM_ACTION_STEPS and RANDOM_ACTION_FIRST_SEED set how many seeds run,
// how many actions each, and the first seed (20, 1000 and 1 unless set).
#include "assistive/keyboard_stop.h"
#include "content/geometry.h"
#include "model/coefficients.h"
#include "model/marking.h"
#include "support/on_white.h"
#include "support/window_fixture.h"
#include "view/section_view.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <span>

using model::kBlanks;
using model::kCoefficientBoxes;
using model::kCompounds;
using model::kNone;
using model::kSections;

namespace {

// ---- Where things lie -------------------------------------------------------------------------
//
// Mouse events reach the board on whole pixels; each stands for the twips of its top-left corner.

constexpr double kTwips = content::kTwipsPerPixel;

QPointF twipsAt(QPoint pixel) {
    return QPointF(pixel) * kTwips;
}

bool contains(const model::Rect& r, QPointF t) {
    return r.contains(t.x(), t.y());
}

// The section box of the section in view, in the client area.
model::Rect sectionInClient(int section) {
    const model::Rect box = content::sectionBox(section);
    return content::translated(box, content::kViewport.left, content::kViewport.top);
}

// A rectangle of a section box, in the client area while that section is in view.
model::Rect inClient(int section, const model::Rect& r) {
    const model::Rect box = sectionInClient(section);
    return content::translated(r, box.left, box.top);
}

// The band along the client area's sides where a dragged card goes home: a point less than 180
// twips from the nearest side, or outside.
constexpr double kEdgeBand = 180;

bool nearTheEdge(QPointF t) {
    const model::Rect& area = content::kClientArea;
    const double fromNearestSide = std::min(
        {t.x() - area.left, area.right() - t.x(), t.y() - area.top, area.bottom() - t.y()});
    return fromNearestSide < kEdgeBand;
}

// The pixel a length of twips comes to, halves rounded up.
int nearestPixel(double twips) {
    return int(std::floor(twips / kTwips + 0.5));
}

// The dragged card as the student sees it: a card's size, its top-left corner 60 twips right of
// the pointer and half a card above it, so that the pointer is level with its middle.
constexpr double kGhostLead = 60;

QRect ghostBeside(QPointF pointer) {
    return QRect(nearestPixel(pointer.x() + kGhostLead),
                 nearestPixel(pointer.y() - content::kCardHeight / 2),
                 nearestPixel(content::kCardWidth), nearestPixel(content::kCardHeight));
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

QString compoundName(int compound) {
    static const char* const names[] = {"water", "ethanoic acid", "propanoic acid",
                                        "the general acid", "ammonia"};
    return compound == kNone ? QString("nothing") : QString(names[compound]);
}

// ---- What the worksheet should be -------------------------------------------------------------

// Everything the rules decide: what the blanks and boxes hold, what a check revealed, the section
// in view, and the drag: the compound it carries (kNone without one), where its pointer is and
// whether its card waits at home meanwhile.
struct State {
    model::Blanks blanks{};
    model::BoxTexts texts;
    std::optional<int> grade;
    std::array<bool, kSections> notes{};
    int section = 0;
    int dragged = kNone;
    QPointF pointer;
    bool parked = false;
};

State fresh(int section) {
    State s;
    s.blanks.fill(kNone);
    s.section = section;
    return s;
}

// What the worksheet holds and the section in view; the drag is judged by what it shows.
State observed(const WindowFixture& f) {
    State s;
    s.blanks = f.worksheet.blanks();
    s.texts = f.worksheet.coefficients();
    s.grade = f.worksheet.grade();
    for (int n = 0; n < kSections; ++n)
        s.notes[n] = f.worksheet.isNoteShown(n);
    s.section = f.board.sectionInView();
    return s;
}

// Empty when `seen` is `want`; otherwise the first difference.
QString differences(const State& seen, const State& want) {
    for (int b = 0; b < kBlanks; ++b) {
        if (seen.blanks[b] != want.blanks[b])
            return QString("blank %1 holds %2, not %3")
                .arg(b)
                .arg(compoundName(seen.blanks[b]), compoundName(want.blanks[b]));
    }
    for (int b = 0; b < kCoefficientBoxes; ++b) {
        if (seen.texts[b] != want.texts[b])
            return QString("box %1 holds %2, not %3")
                .arg(b)
                .arg(printable(seen.texts[b]), printable(want.texts[b]));
    }
    const auto grade = [](std::optional<int> g) {
        return g ? QString("%1%").arg(*g) : QString("hidden");
    };
    if (seen.grade != want.grade)
        return QString("the grade is %1, not %2").arg(grade(seen.grade), grade(want.grade));
    for (int n = 0; n < kSections; ++n) {
        if (seen.notes[n] != want.notes[n])
            return QString("note %1 is %2").arg(n).arg(seen.notes[n] ? "shown" : "hidden");
    }
    if (seen.section != want.section)
        return QString("section %1 is in view, not %2").arg(seen.section).arg(want.section);
    return {};
}

// The other blank of a two-blank reaction's picture; kNone for a picture's only blank.
int otherOfPair(int blank) {
    const int reaction = model::reactionOfBlank(blank);
    if (model::reaction(reaction).blankCount == 1)
        return kNone;
    const int left = model::firstBlankOf(reaction);
    return blank == left ? left + 1 : left;
}

bool isComplete(const model::Blanks& blanks, int reaction) {
    const int first = model::firstBlankOf(reaction);
    for (int b = first; b < first + model::reaction(reaction).blankCount; ++b) {
        if (blanks[b] == kNone)
            return false;
    }
    return true;
}

void emptyBoxes(State& s, int reaction) {
    const int first = model::firstBoxOf(reaction);
    for (int b = first; b < first + model::reaction(reaction).boxCount; ++b)
        s.texts[b].clear();
}

// Cards of a compound on the palette: those in no blank, and not carried by a drag.
int cardsHome(const State& s, int compound) {
    const int placed = int(std::count(s.blanks.begin(), s.blanks.end(), compound));
    const bool carried = s.dragged == compound && !s.parked;
    return model::kCardsPerCompound - placed - (carried ? 1 : 0);
}

// A compound put into a blank: the one there goes home; the grade and the notes go.
void placeInto(State& s, int blank, int compound) {
    s.blanks[blank] = compound;
    s.grade.reset();
    s.notes.fill(false);
}

// A compound taken out of its blank: its reaction forgets its coefficients, and the grade and the
// note of its section go.
void takeOut(State& s, int blank) {
    if (s.blanks[blank] == kNone)
        return;
    const int reaction = model::reactionOfBlank(blank);
    if (isComplete(s.blanks, reaction))
        emptyBoxes(s, reaction);
    s.blanks[blank] = kNone;
    s.grade.reset();
    s.notes[model::sectionOfBlank(blank)] = false;
}

// What the student sees at a point, and the blank a card let go there fills. Each blank of the
// section in view catches a card over three things, stacked: in front, its reaction's
// coefficient boxes that hand a card to it, while they show; the card lying in it;
// and, behind them, its part of its reaction's picture. A picture with one blank is all its
// blank's; a picture with two is parted by its split line: left of the line is the left blank's,
// the line and right of it the right one's.
struct Spot {
    enum Kind { Box, Placed, Picture, Nothing };
    Kind kind = Nothing;
    // The box, the blank the card lies in, or the picture's reaction.
    int index = kNone;
    int blank = kNone;
};

// Whether a point of a picture (`x` in twips of its section box) lies on a blank's part of it.
bool onItsPart(int blank, double x) {
    const model::Reaction& picture = model::reaction(model::reactionOfBlank(blank));
    if (picture.blankCount == 1)
        return true;
    const bool leftBlank = blank == model::firstBlankOf(model::reactionOfBlank(blank));
    return leftBlank ? x < picture.split : x >= picture.split;
}

// The first thing of `kind` over which `blank` catches a card at (x, y) of its section box, or
// kNone.
int catchesOn(const State& s, int blank, Spot::Kind kind, double x, double y) {
    const int reaction = model::reactionOfBlank(blank);
    switch (kind) {
    case Spot::Box:
        for (int b = 0; b < kCoefficientBoxes && isComplete(s.blanks, reaction); ++b) {
            if (model::blankFilledFrom(b) == blank && content::coefficientBox(b).contains(x, y))
                return b;
        }
        return kNone;
    case Spot::Placed:
        return s.blanks[blank] != kNone && content::placedCard(blank).contains(x, y) ? blank
                                                                                     : kNone;
    case Spot::Picture:
        return model::reaction(reaction).place.contains(x, y) && onItsPart(blank, x) ? reaction
                                                                                     : kNone;
    case Spot::Nothing:
        break;
    }
    return kNone;
}

Spot spotAt(const State& s, QPointF t) {
    if (!contains(content::kViewport, t))
        return {};
    const model::Rect box = sectionInClient(s.section);
    const double x = t.x() - box.left;
    const double y = t.y() - box.top;
    for (Spot::Kind kind : {Spot::Box, Spot::Placed, Spot::Picture}) {
        for (int blank = 0; blank < kBlanks; ++blank) {
            if (model::sectionOfBlank(blank) != s.section)
                continue;
            if (const int index = catchesOn(s, blank, kind, x, y); index != kNone)
                return {kind, index, blank};
        }
    }
    return {};
}

// ---- What the window shows --------------------------------------------------------------------

// Empty while the view agrees with the worksheet and holds together, with `held` the mouse's
// buttons down; otherwise the first thing that does not.
QString brokenInvariant(const WindowFixture& f, const State& want, Qt::MouseButtons held) {
    const model::Worksheet& w = f.worksheet;
    const view::Board& board = f.board;

    std::array<int, kCompounds> placed{};
    for (int b = 0; b < kBlanks; ++b) {
        const int compound = w.compoundIn(b);
        if (compound < kNone || compound >= kCompounds)
            return QString("blank %1 holds compound %2").arg(b).arg(compound);
        if (compound != kNone && ++placed[compound] > model::kCardsPerCompound)
            return QString("more blanks hold %1 than it has cards").arg(compoundName(compound));
    }
    for (int c = 0; c < kCompounds; ++c) {
        if (w.cardsLeft(c) != model::kCardsPerCompound - placed[c])
            return QString("%1 has %2 cards left with %3 placed")
                .arg(compoundName(c))
                .arg(w.cardsLeft(c))
                .arg(placed[c]);
        if (w.compoundInColumn(w.columnOf(c)) != c)
            return QString("the palette order is no order: %1 is in column %2")
                .arg(compoundName(c))
                .arg(w.columnOf(c));
    }

    for (int s = 0; s < kSections; ++s) {
        if (board.sectionView(s)->isVisible() != (s == want.section))
            return QString("section %1 is %2 with section %3 in view")
                .arg(s)
                .arg(board.sectionView(s)->isVisible() ? "shown" : "hidden")
                .arg(want.section);
    }

    for (int column = 0; column < kCompounds; ++column) {
        const int compound = w.compoundInColumn(column);
        if (board.cardsOn(column) != cardsHome(want, compound))
            return QString("palette column %1 stacks %2 cards of %3, not %4")
                .arg(column)
                .arg(board.cardsOn(column))
                .arg(compoundName(compound))
                .arg(cardsHome(want, compound));
    }

    const bool dragging = want.dragged != kNone;
    if (board.isDragging() != dragging)
        return dragging ? QString("no drag carries %1").arg(compoundName(want.dragged))
                        : QString("a drag goes on");
    const WindowFixture::Carried ghost = f.carried();
    if (dragging && !want.parked) {
        if (ghost.place != ghostBeside(want.pointer) || ghost.compound != want.dragged)
            return QString("the ghost of %1 lies at %2, not %3 beside the pointer at %4")
                .arg(compoundName(ghost.compound))
                .arg(ghost.place.isNull()
                         ? QString("nowhere")
                         : QString("(%1, %2)").arg(ghost.place.x()).arg(ghost.place.y()))
                .arg(compoundName(want.dragged))
                .arg(QString("(%1, %2)").arg(want.pointer.x()).arg(want.pointer.y()));
    } else if (!ghost.place.isNull()) {
        return QString("a ghost shows %1")
            .arg(dragging ? "while its card is parked" : "without a drag");
    }
    if ((QGuiApplication::overrideCursor() != nullptr) != dragging)
        return dragging ? QString("the drag shows no drag pointer")
                        : QString("the drag pointer outlives the drag");
    if (dragging && held == Qt::NoButton)
        return "a drag is left hanging with every button released";

    for (int b = 0; b < kCoefficientBoxes; ++b) {
        const view::SectionView* section = board.sectionView(model::sectionOfBox(b));
        const QLineEdit* edit = section->boxEdit(b);
        const bool complete = w.isComplete(model::reactionOfBox(b));
        // A section's boxes are made when one of its reactions first shows them.
        if (!edit) {
            if (complete)
                return QString("box %1 has no line edit while its reaction is complete").arg(b);
            if (!w.coefficient(b).isEmpty())
                return QString("box %1 has no line edit yet holds %2")
                    .arg(b)
                    .arg(printable(w.coefficient(b)));
            continue;
        }
        if (edit->isVisibleTo(section) != complete)
            return QString("box %1 is %2 while its reaction is %3")
                .arg(b)
                .arg(edit->isVisibleTo(section) ? "shown" : "hidden",
                     complete ? "complete" : "incomplete");
        if (edit->text() != w.coefficient(b))
            return QString("box %1 shows %2, the worksheet holds %3")
                .arg(b)
                .arg(printable(edit->text()), printable(w.coefficient(b)));
        if (!complete && !w.coefficient(b).isEmpty())
            return QString("hidden box %1 keeps %2").arg(b).arg(printable(w.coefficient(b)));
    }
    if (board.gradeRect().isEmpty() == w.grade().has_value())
        return QString("the grade's box is %1 while the grade is %2")
            .arg(board.gradeRect().isEmpty() ? "empty" : "there",
                 w.grade() ? "revealed" : "hidden");
    return {};
}

// What is really on the screen: a card is told by comparing what lies inside its rim with the five
// cards' own pictures.
class Screen {
public:
    explicit Screen(const WindowFixture& f)
        : shot_(f.shown().convertToFormat(QImage::Format_RGB32)),
          origin_(f.board.mapTo(f.window.get(), QPoint(0, 0))) {}

    // How far what shows inside the rim of `card` (board pixels) lies from the card of
    // `compound`, on average per colour channel; the inner part only, clear of rims and focus
    // frames.
    double distance(const QRect& card, int compound) const {
        const QImage& face = faceOf(compound, card.size());
        const QRect inner = card.adjusted(kInset, kInset, -kInset, -kInset);
        long sum = 0;
        for (int y = inner.top(); y <= inner.bottom(); ++y) {
            const QRgb* seen = line(y) + inner.left() + origin_.x();
            const auto* drawn = reinterpret_cast<const QRgb*>(face.constScanLine(y - card.top())) +
                                (inner.left() - card.left());
            for (int x = 0; x < inner.width(); ++x) {
                sum += std::abs(qRed(seen[x]) - qRed(drawn[x])) +
                       std::abs(qGreen(seen[x]) - qGreen(drawn[x])) +
                       std::abs(qBlue(seen[x]) - qBlue(drawn[x]));
            }
        }
        return double(sum) / (3.0 * inner.width() * inner.height());
    }

    // The compound whose card is nearest what shows in `card`, and how near.
    std::pair<int, double> nearestCard(const QRect& card) const {
        std::pair<int, double> best{kNone, 1e9};
        for (int c = 0; c < kCompounds; ++c) {
            const double d = distance(card, c);
            if (d < best.second)
                best = {c, d};
        }
        return best;
    }

    // The share of the inner part of `r` in exactly `colour`.
    double share(const QRect& r, QRgb colour) const {
        const QRect inner = r.adjusted(kInset, kInset, -kInset, -kInset);
        int count = 0;
        for (int y = inner.top(); y <= inner.bottom(); ++y) {
            const QRgb* seen = line(y) + inner.left() + origin_.x();
            for (int x = 0; x < inner.width(); ++x)
                count += (seen[x] & 0xFFFFFF) == (colour & 0xFFFFFF);
        }
        return double(count) / (inner.width() * inner.height());
    }

    QImage part(const QRect& r) const { return shot_.copy(r.translated(origin_)); }

    bool within(const QRect& r) const { return shot_.rect().contains(r.translated(origin_)); }

    static constexpr int kInset = 6;

private:
    const QRgb* line(int y) const {
        return reinterpret_cast<const QRgb*>(shot_.constScanLine(y + origin_.y()));
    }

    static const QImage& faceOf(int compound, QSize size) {
        static std::map<std::tuple<int, int, int>, QImage> faces;
        const auto key = std::make_tuple(compound, size.width(), size.height());
        auto found = faces.find(key);
        if (found == faces.end()) {
            found = faces.emplace(key, cardsOnWhite(compound, size)).first;
        }
        return found->second;
    }

    QImage shot_;
    QPoint origin_;
};

constexpr QRgb kSlotGreen = qRgb(0x00, 0xFF, 0x00);
constexpr QRgb kWhite = qRgb(0xFF, 0xFF, 0xFF);
constexpr QRgb kFrameFill = qRgb(0xFF, 0xFF, 0xC0);
constexpr QRgb kGradeRed = qRgb(0xFF, 0x00, 0x00);
// Mean difference per colour channel below which a card counts as the one shown.
constexpr double kSameCard = 12;

QString seenCard(const Screen& screen, const QRect& card) {
    const auto [compound, distance] = screen.nearestCard(card);
    return distance > kSameCard ? QString("no card") : compoundName(compound);
}

// ---- Random actions ---------------------------------------------------------------------------

// The key that types `c`: control characters come from their own keys, letters, digits and the
// space bar from theirs, and anything else from a key that only carries its text, as an input
// method sends it. A tab is no key here: the Tab key moves the focus.
Qt::Key keyFor(QChar c) {
    switch (c.unicode()) {
    case 0x08:
        return Qt::Key_Backspace;
    case 0x0a:
    case 0x0d:
        return Qt::Key_Return;
    case 0x1b:
        return Qt::Key_Escape;
    case 0x7f:
        return Qt::Key_Delete;
    case ' ':
        return Qt::Key_Space;
    default:
        if (c.unicode() < 0x80 && c.isLetterOrNumber())
            return Qt::Key(c.toUpper().unicode());
        return Qt::Key_unknown;
    }
}

// Keys go where the keyboard sends them: to the window with the focus, which hands them to its
// focused widget.
void keyClick(Qt::Key key, Qt::KeyboardModifiers modifiers = {}, const QString& text = {}) {
    QTest::sendKeyEvent(QTest::Click, static_cast<QWidget*>(nullptr), key, text, modifiers);
}

void typeText(const QString& text) {
    for (QChar c : text)
        keyClick(keyFor(c), {}, QString(c));
}

// A widget in no window of the worksheet's, which takes the releases sent to it.
class Elsewhere : public QWidget {
protected:
    void mouseReleaseEvent(QMouseEvent* event) override { event->accept(); }
};

// Lets go of `buttons` where the worksheet's window never sees it, as when the pointer is
// released over another window; Qt Test's mouse then holds them no more.
void letGoElsewhere(Qt::MouseButtons buttons) {
    Elsewhere elsewhere;
    for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        if (buttons & b)
            QTest::mouseRelease(&elsewhere, b);
    }
}

// Drives one window with one seed. Every action is described as it happens, so that a failure
// names what led to it; the first thing found wrong is kept in `failure`.
class Monkey {
public:
    Monkey(WindowFixture& f, unsigned seed) : f_(f), random_(seed) {
        // What another seed left on the clipboard must not reach this one.
        QGuiApplication::clipboard()->clear();
        f_.worksheet.restart(random_());
        want_ = fresh(f_.board.sectionInView());
    }
    // The next seed's mouse starts with every button up.
    ~Monkey() { letGoElsewhere(held_); }
    Monkey(const Monkey&) = delete;
    Monkey& operator=(const Monkey&) = delete;

    QString act() {
        failure_.clear();
        if (want_.dragged != kNone)
            return duringDrag();
        // A button held on the window's way is the pointer's until it comes up: turning the
        // section under it meanwhile is another story (see the case of the second button).
        if (viaWindow_)
            return chance(0.6) ? move(target()) : release(target(), Qt::LeftButton);
        // Now and then a careful stretch, so that whole sections, and the whole worksheet, come
        // out right before a check; or a greedy one that puts one compound everywhere, so that
        // its column runs empty.
        if (careful_ == 0 && hoard_ == 0) {
            if (chance(0.005)) {
                careful_ = 100;
            } else if (chance(0.002)) {
                hoard_ = 150;
                hoarded_ = pick(kCompounds);
            }
        }
        if (careful_ > 0) {
            --careful_;
            return carefully();
        }
        if (hoard_ > 0) {
            --hoard_;
            return hoarding();
        }
        const int roll = pick(100);
        if (roll < 42)
            return drag();
        if (roll < 48)
            return press(target(), button());
        if (roll < 53)
            return move(target());
        if (roll < 57)
            return release(target(), button());
        if (roll < 61)
            return doubleClick();
        if (roll < 65)
            return keysOnBlank();
        if (roll < 80)
            return type();
        if (roll < 94)
            return scroll();
        if (roll < 95)
            return loseTheWindow();
        if (roll < 99)
            return check();
        return chance(0.6) ? restart() : check();
    }

    const QString& failure() const { return failure_; }

    // The screen is looked at after every check and restart, and after one action in five
    // besides: a frame that missed a change keeps missing it until that place is painted again.
    bool screenDue() {
        const bool due = screenDue_ || chance(0.2);
        screenDue_ = false;
        return due;
    }

    // What is on the screen agrees with the worksheet: every palette column shows its compound's
    // card while it has one left and nothing once it has none, every blank of the section in
    // view shows its compound or, empty, its green slot, the ghost shows the dragged card, the
    // grade shows while revealed, one look for each grade, and the note as revealed.
    QString brokenOnScreen() {
        const Screen screen(f_);
        const view::Board& board = f_.board;
        const model::Worksheet& w = f_.worksheet;
        const QRect shownGhost = f_.carried().place;
        const std::optional<QRect> ghost =
            shownGhost.isNull() ? std::nullopt : std::optional<QRect>(shownGhost);
        const auto covered = [&](const QRect& r) {
            return ghost && ghost->adjusted(-2, -2, 2, 2).intersects(r);
        };
        for (int column = 0; column < kCompounds; ++column) {
            const QRect card = content::toPixels(content::paletteCard(column));
            if (covered(card))
                continue;
            const int compound = w.compoundInColumn(column);
            if (cardsHome(want_, compound) > 0) {
                if (screen.distance(card, compound) > kSameCard)
                    return QString("palette column %1 shows %2, not %3")
                        .arg(column)
                        .arg(seenCard(screen, card), compoundName(compound));
            } else if (screen.share(card, kWhite) < 0.97) {
                return QString("palette column %1 shows a card, yet none of %2 is left")
                    .arg(column)
                    .arg(compoundName(compound));
            }
        }
        const int section = want_.section;
        const view::SectionView* view = board.sectionView(section);
        const auto onBoard = [&](const model::Rect& twips) {
            const QRect r = content::toPixels(twips);
            return QRect(view->mapTo(&board, r.topLeft()), r.size());
        };
        for (int blank = 0; blank < kBlanks; ++blank) {
            if (model::sectionOfBlank(blank) != section)
                continue;
            const int compound = w.compoundIn(blank);
            if (compound != kNone) {
                const QRect card = onBoard(content::placedCard(blank));
                if (covered(card))
                    continue;
                if (screen.distance(card, compound) > kSameCard)
                    return QString("blank %1 shows %2, not %3")
                        .arg(blank)
                        .arg(seenCard(screen, card), compoundName(compound));
            } else {
                const QRect slot = onBoard(content::slotOf(blank));
                if (!covered(slot) && screen.share(slot, kSlotGreen) < 0.97)
                    return QString("empty blank %1 does not show its green slot").arg(blank);
            }
        }
        if (ghost && screen.within(*ghost) && QRect(QPoint(), board.size()).contains(*ghost) &&
            !ghost->intersects(board.gradeRect().adjusted(-8, -8, 8, 8))) {
            if (screen.distance(*ghost, want_.dragged) > kSameCard)
                return QString("the ghost shows %1, not %2")
                    .arg(seenCard(screen, *ghost), compoundName(want_.dragged));
        }
        if (const std::optional<int> grade = w.grade()) {
            const QRect box = board.gradeRect();
            if (!covered(box)) {
                if (screen.share(box, kGradeRed) < 0.3)
                    return QString("the grade %1% does not show").arg(*grade);
                const QImage look = screen.part(box);
                for (const auto& [other, seen] : gradeLooks_) {
                    if ((other == *grade) != (seen == look))
                        return QString("the grade %1% looks %2 %3%")
                            .arg(*grade)
                            .arg(other == *grade ? "unlike the earlier" : "like")
                            .arg(other);
                }
                gradeLooks_.emplace(*grade, look);
            }
        } else {
            const QRect corner(content::toPixels(content::kGradeCorner.x()),
                               content::toPixels(content::kGradeCorner.y()), 50, 30);
            if (!covered(corner) && screen.share(corner, kWhite) < 0.97)
                return "a hidden grade still shows";
        }
        const QRect note = onBoard(model::section(section).noteRect);
        if (!covered(note)) {
            const double fill = screen.share(note, kFrameFill);
            if (w.isNoteShown(section) ? fill > 0.5 : fill < 0.97)
                return QString("note %1 is %2 on the screen")
                    .arg(section)
                    .arg(w.isNoteShown(section) ? "missing" : "still");
        }
        return {};
    }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(random_) < p; }
    template <typename T> const T& anyOf(const std::vector<T>& items) {
        return items[pick(int(items.size()))];
    }

    Qt::MouseButton button() {
        const int roll = pick(10);
        return roll < 7 ? Qt::LeftButton : roll < 9 ? Qt::RightButton : Qt::MiddleButton;
    }

    int section() const { return want_.section; }

    // ---- Points ----

    // A pixel of the board that stands for a point of `r` (twips of the client area).
    QPoint inside(const model::Rect& r) {
        const int left = int(std::ceil(r.left / kTwips));
        const int top = int(std::ceil(r.top / kTwips));
        const int right = std::max(left, int(std::ceil(r.right() / kTwips)) - 1);
        const int bottom = std::max(top, int(std::ceil(r.bottom() / kTwips)) - 1);
        return {left + pick(right - left + 1), top + pick(bottom - top + 1)};
    }

    QPoint onPaletteCard(int column) { return inside(content::paletteCard(column)); }

    std::vector<int> blanksInView() const {
        std::vector<int> blanks;
        for (int b = 0; b < kBlanks; ++b) {
            if (model::sectionOfBlank(b) == section())
                blanks.push_back(b);
        }
        return blanks;
    }

    // The boxes the student can see: shown, in the section in view.
    std::vector<int> shownBoxes() const {
        std::vector<int> boxes;
        for (int b = 0; b < kCoefficientBoxes; ++b) {
            if (model::sectionOfBox(b) == section() &&
                isComplete(want_.blanks, model::reactionOfBox(b)))
                boxes.push_back(b);
        }
        return boxes;
    }

    // The first pixel column on or right of a reaction's split line.
    static int splitPixel(int reaction) {
        const double split =
            inClient(model::reaction(reaction).section, {}).left + model::reaction(reaction).split;
        return int(std::ceil(split / kTwips));
    }

    // Over a blank of the section in view: its slot, or anywhere on its side of the split line,
    // often a pixel from it.
    QPoint onBlank(int blank) {
        const int reaction = model::reactionOfBlank(blank);
        if (chance(0.5))
            return inside(inClient(section(), content::slotOf(blank)));
        QPoint p = inside(inClient(section(), model::reaction(reaction).place));
        if (!model::hasTwoBlanks(reaction))
            return p;
        const int split = splitPixel(reaction);
        const bool right = model::sideOfBlank(blank) == 1;
        const int nearest = right ? split : split - 1;
        if (chance(0.4))
            p.setX(nearest + (right ? pick(2) : -pick(2)));
        else if (right ? p.x() < split : p.x() >= split)
            p.setX(2 * nearest - p.x());
        return p;
    }

    // Over a reaction in view, often a hair's breadth from its split line.
    QPoint onReaction() {
        std::vector<int> reactions;
        for (int r = 0; r < model::kReactions; ++r) {
            if (model::reaction(r).section == section())
                reactions.push_back(r);
        }
        const int reaction = anyOf(reactions);
        QPoint p = inside(inClient(section(), model::reaction(reaction).place));
        if (model::hasTwoBlanks(reaction) && chance(0.4)) {
            const int offsets[] = {-2, -1, 0, 1, 2, pick(41) - 20};
            p.setX(splitPixel(reaction) + offsets[pick(6)]);
        }
        return p;
    }

    QPoint onPlaced() {
        std::vector<int> placed;
        for (int b : blanksInView()) {
            if (want_.blanks[b] != kNone)
                placed.push_back(b);
        }
        if (placed.empty())
            return onReaction();
        return inside(inClient(section(), content::placedCard(anyOf(placed))));
    }

    QPoint onShownBox() {
        const auto boxes = shownBoxes();
        if (boxes.empty())
            return onReaction();
        return inside(inClient(section(), content::coefficientBox(anyOf(boxes))));
    }

    // Within 180 twips of an edge, now and then right on the zone's inner border or a pixel in.
    QPoint inTheEdgeZone() {
        const QSize size = content::toPixels(content::kClientArea).size();
        const int zone = int(kEdgeBand / kTwips);
        const int depth = chance(0.3) ? zone - pick(2) : pick(zone);
        switch (pick(4)) {
        case 0:
            return {depth, pick(size.height())};
        case 1:
            return {size.width() - depth, pick(size.height())};
        case 2:
            return {pick(size.width()), depth};
        default:
            return {pick(size.width()), size.height() - depth};
        }
    }

    QPoint outside() {
        const QSize size = content::toPixels(content::kClientArea).size();
        switch (pick(4)) {
        case 0:
            return {-1 - pick(200), pick(size.height() + 200) - 100};
        case 1:
            return {size.width() + pick(200), pick(size.height() + 200) - 100};
        case 2:
            return {pick(size.width() + 200) - 100, -1 - pick(200)};
        default:
            return {pick(size.width() + 200) - 100, size.height() + pick(200)};
        }
    }

    QPoint target() {
        const int roll = pick(100);
        if (roll < 28)
            return onReaction();
        if (roll < 40)
            return onPlaced();
        if (roll < 49)
            return onShownBox();
        if (roll < 55)
            return inside(sectionInClient(section()));
        if (roll < 58) {
            const model::Section& s = model::section(section());
            return inside(inClient(section(), chance(0.5) ? model::kTitleRect : s.noteRect));
        }
        if (roll < 62)
            return inside(content::kViewport);
        if (roll < 68)
            return onPaletteCard(pick(kCompounds));
        if (roll < 72)
            return inside({0, 0, content::kClientArea.width, content::kViewport.top});
        if (roll < 78)
            return inside(content::kScrollBar);
        if (roll < 84)
            return inTheEdgeZone();
        if (roll < 89)
            return outside();
        if (roll < 91)
            return inside({content::kGradeCorner.x(), content::kGradeCorner.y(), 900, 600});
        const QSize size = content::toPixels(content::kClientArea).size();
        return {pick(size.width() + 40) - 20, pick(size.height() + 40) - 20};
    }

    QString describe(QPoint p) const {
        const QPointF t = twipsAt(p);
        QString d = QString("(%1, %2)").arg(p.x()).arg(p.y());
        if (!contains(content::kClientArea, t))
            return d + " outside the window";
        if (nearTheEdge(t))
            return d + " in the edge zone";
        if (contains(content::kScrollBar, t))
            return d + " on the scroll bar";
        for (int column = 0; column < kCompounds; ++column) {
            if (contains(content::paletteCard(column), t))
                return d + QString(" on palette column %1").arg(column);
        }
        const Spot spot = spotAt(want_, t);
        switch (spot.kind) {
        case Spot::Box:
            return d + QString(" on box %1").arg(spot.index);
        case Spot::Placed:
            return d + QString(" on the compound in blank %1").arg(spot.blank);
        case Spot::Picture:
            return d + QString(" on reaction %1 by blank %2").arg(spot.index).arg(spot.blank);
        default:
            return d;
        }
    }

    // ---- Events, each with what the rules make of it ----

    // After each event the event loop runs, as it does between a student's inputs, and the
    // worksheet and the view must be what `want` says.
    void settle(const QString& step, const State& want) {
        QCoreApplication::processEvents();
        want_ = want;
        if (!failure_.isEmpty())
            return;
        QString broken = differences(observed(f_), want);
        if (broken.isEmpty())
            broken = brokenInvariant(f_, want, held_);
        if (!broken.isEmpty())
            failure_ = broken + " (after: " + step + ")";
    }

    // A press on a palette card with a card left takes it up at once, whatever the button, and
    // hides what the last check revealed; anything else a press does nothing to.
    State pressed(State want, QPointF t) const {
        if (want.dragged != kNone)
            return want;
        for (int column = 0; column < kCompounds; ++column) {
            const int compound = f_.worksheet.compoundInColumn(column);
            if (!contains(content::paletteCard(column), t) || cardsHome(want, compound) == 0)
                continue;
            want.grade.reset();
            want.notes.fill(false);
            if (!nearTheEdge(t)) {
                want.dragged = compound;
                want.pointer = t;
                want.parked = false;
            }
        }
        return want;
    }

    // While a button is held the card follows the pointer; over the scroll bar it waits at home;
    // in the edge zone, or with no button held, the drag ends and the card goes home.
    static State moved(State want, QPointF t, Qt::MouseButtons held) {
        if (want.dragged == kNone)
            return want;
        if (held == Qt::NoButton || nearTheEdge(t)) {
            want.dragged = kNone;
            return want;
        }
        want.pointer = t;
        want.parked = contains(content::kScrollBar, t);
        return want;
    }

    // A release ends the drag: the card goes into the blank under the pointer, or home.
    static State released(State want, QPointF t) {
        if (want.dragged == kNone)
            return want;
        const int blank = spotAt(want, t).blank;
        if (blank != kNone)
            placeInto(want, blank, want.dragged);
        want.dragged = kNone;
        return want;
    }

    // A double-click on a placed compound takes it out; nothing else takes a double-click.
    static State doubleClicked(State want, QPointF t) {
        const Spot spot = spotAt(want, t);
        if (want.dragged == kNone && spot.kind == Spot::Placed)
            takeOut(want, spot.blank);
        return want;
    }

    // Half the gestures that start with a left press on the board itself (not on a box or the
    // scroll bar) while no button is held go through the window as the window system delivers
    // them: the press to the widget under the pointer, and every event after it, whatever the
    // button, to the widget that took it, until the left button comes up. The other gestures, and
    // what lies beyond the window, go to the board straight away, where that hold sends them too.
    // (A right press that starts a gesture on the window's way would open the scroll bar's or a
    // box's own menu.)
    QWindow* window() const { return f_.window->windowHandle(); }
    QPoint inWindow(QPoint p) const { return f_.board.mapTo(f_.window.get(), p); }
    bool windowTakes(QPoint p) const {
        const QPoint w = inWindow(p);
        return viaWindow_ && !w.isNull() && w.x() < f_.window->width() &&
               w.y() < f_.window->height();
    }
    // Qt Test takes the point (0, 0) for the middle of the widget; the pixel beside it lies in
    // the same corner of the edge zone.
    static QPoint sendable(QPoint p) { return p.isNull() ? QPoint(1, 0) : p; }
    static QString route(bool window) { return window ? " through the window" : ""; }

    bool startsThroughWindow(QPoint p, Qt::MouseButton b) {
        const QPointF t = twipsAt(p);
        viaWindow_ = b == Qt::LeftButton && QRect(QPoint(), f_.board.size()).contains(p) &&
                     !contains(content::kScrollBar, t) && spotAt(want_, t).kind != Spot::Box &&
                     chance(0.5);
        return viaWindow_;
    }

    // No mouse presses a button that is down already; another one, if any is up, instead. On the
    // window's way a press somewhere new comes after a move there, as the window system splits
    // it, so a drag follows the pointer there first.
    QString press(QPoint p, Qt::MouseButton b) {
        p = sendable(p);
        const Qt::MouseButtons held = held_;
        for (Qt::MouseButton other : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
            if (held & b)
                b = other;
        }
        if (held & b)
            return move(p);
        const bool viaWindow = held == Qt::NoButton ? startsThroughWindow(p, b) : windowTakes(p);
        const QString d = named(b) + " press at " + describe(p) + route(viaWindow);
        const QPointF t = twipsAt(p);
        const State want = pressed(viaWindow ? moved(want_, t, held) : want_, t);
        if (viaWindow)
            QTest::mousePress(window(), b, {}, inWindow(p));
        else
            QTest::mousePress(&f_.board, b, {}, p);
        held_ |= b;
        settle(d, want);
        return d;
    }

    void sendMove(QPoint p, Qt::MouseButtons held) {
        QMouseEvent event(QEvent::MouseMove, QPointF(p), f_.board.mapToGlobal(QPointF(p)),
                          Qt::NoButton, held, Qt::NoModifier);
        QApplication::sendEvent(&f_.board, &event);
    }

    QString move(QPoint p) {
        p = sendable(p);
        const Qt::MouseButtons held = held_;
        const bool viaWindow = held != Qt::NoButton && windowTakes(p);
        const QString d = "move to " + describe(p) + " with " + named(held) + route(viaWindow);
        const State want = moved(want_, twipsAt(p), held);
        // Qt Test turns a move with no button into a move of the desktop's pointer.
        if (held == Qt::NoButton)
            sendMove(p, Qt::NoButton);
        else if (viaWindow)
            QTest::mouseMove(window(), inWindow(p));
        else
            QTest::mouseMove(&f_.board, p);
        settle(d, want);
        return d;
    }

    // A move with no button held after a release the window never saw.
    QString moveReleased(QPoint p) {
        p = sendable(p);
        const QString d = "move to " + describe(p) + " after a release elsewhere";
        const State want = moved(want_, twipsAt(p), Qt::NoButton);
        sendMove(p, Qt::NoButton);
        letGoElsewhere(held_);
        held_ = Qt::NoButton;
        viaWindow_ = false;
        settle(d, want);
        return d;
    }

    // A release of a button that is up reaches the board alone.
    QString release(QPoint p, Qt::MouseButton b) {
        p = sendable(p);
        const Qt::MouseButtons held = held_;
        const bool viaWindow = (held & b) && windowTakes(p);
        if (b == Qt::LeftButton)
            viaWindow_ = false;
        const QString d = named(b) + " release at " + describe(p) + route(viaWindow);
        const QPointF t = twipsAt(p);
        const State want = released(viaWindow ? moved(want_, t, held) : want_, t);
        if (viaWindow)
            QTest::mouseRelease(window(), b, {}, inWindow(p));
        else
            QTest::mouseRelease(&f_.board, b, {}, p);
        held_ &= ~Qt::MouseButtons(b);
        settle(d, want);
        return d;
    }

    // A double-click event alone, as it reaches the board.
    QString doubleClickEvent(QPoint p) {
        p = sendable(p);
        const QString d = "double-click at " + describe(p);
        const State want = doubleClicked(want_, twipsAt(p));
        QTest::mouseDClick(&f_.board, Qt::LeftButton, {}, p);
        // The button that double-clicks is down until its release.
        held_ |= Qt::LeftButton;
        settle(d, want);
        return d;
    }

    // The mouse's own sequence: press, release, press, double-click, release.
    QString doubleClick() {
        const QPoint p = sendable(chance(0.75) ? onPlaced() : target());
        if (chance(0.3))
            return doubleClickEvent(p) + "; " + release(p, Qt::LeftButton);
        if (held_ == Qt::NoButton && startsThroughWindow(p, Qt::LeftButton)) {
            viaWindow_ = false;
            const QPointF t = twipsAt(p);
            const State want =
                released(doubleClicked(pressed(released(pressed(want_, t), t), t), t), t);
            const QString d = "double-click at " + describe(p) + " through the window";
            QTest::mouseDClick(window(), Qt::LeftButton, {}, inWindow(p));
            settle(d, want);
            return d;
        }
        QString d = press(p, Qt::LeftButton);
        for (const auto& next : std::initializer_list<std::function<QString()>>{
                 [&] { return release(p, Qt::LeftButton); },
                 [&] { return press(p, Qt::LeftButton); }, [&] { return doubleClickEvent(p); },
                 [&] { return release(p, Qt::LeftButton); }}) {
            if (!failure_.isEmpty())
                break;
            d += "; " + next();
        }
        return d;
    }

    // Another window comes to the front: a drag ends, its card home.
    QString loseTheWindow() {
        State want = want_;
        want.dragged = kNone;
        QEvent deactivate(QEvent::WindowDeactivate);
        QApplication::sendEvent(f_.window.get(), &deactivate);
        settle("the window loses the input", want);
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(f_.window.get(), &activate);
        settle("the window is back", want);
        return "the window loses the input and gets it back";
    }

    // ---- Drags ----

    QString drag() {
        if (chance(0.55)) {
            const int blank = anyOf(blanksInView());
            const int compound = chance(0.88) ? wanted(blank) : pick(kCompounds);
            return dragInto(blank, compound, false);
        }
        // A box takes a drop only while its reaction is complete, which random ends seldom meet.
        if (!shownBoxes().empty() && chance(0.25))
            return dragAlong(onPaletteCard(pick(kCompounds)), onShownBox(), false);
        return dragAlong(chance(0.9) ? onPaletteCard(pick(kCompounds)) : target(), target(), false);
    }

    QString dragInto(int blank, int compound, bool careful) {
        const QPoint start = onPaletteCard(f_.worksheet.columnOf(compound));
        return dragAlong(start, onBlank(blank), careful);
    }

    QString dragAlong(QPoint start, QPoint end, bool careful) {
        const Qt::MouseButton b = careful ? Qt::LeftButton : button();
        QString d = "drag: " + press(start, b);
        const int moves = careful ? pick(3) : pick(7);
        for (int i = 0; i < moves && failure_.isEmpty(); ++i) {
            if (careful)
                d += "; " + move(inside(content::kViewport));
            else if (chance(0.03))
                d += "; " + moveReleased(target());
            else
                d += "; " + move(target());
        }
        if (!failure_.isEmpty() || (!careful && chance(0.06)))
            return d + "; no release yet";
        if (chance(0.7))
            d += "; " + move(end);
        if (failure_.isEmpty())
            d += "; " + release(end, b);
        return d;
    }

    // While a drag goes on only the pointer drives the window: keys, the wheel and the menu wait.
    QString duringDrag() {
        const int roll = pick(100);
        if (roll < 30)
            return move(target());
        if (roll < 35)
            return moveReleased(target());
        if (roll < 55)
            return release(target(), button());
        if (roll < 60)
            return press(target(), button());
        if (roll < 64)
            return doubleClickEvent(chance(0.7) ? onPlaced() : target());
        if (roll < 72)
            return "during the drag, " + keysOnBlank();
        if (roll < 80)
            return "during the drag, " + typeKeys();
        if (roll < 85)
            return "during the drag, " + wheel();
        if (roll < 89)
            return "during the drag, " + keysOnScrollBar();
        if (roll < 94)
            return loseTheWindow();
        return move(chance(0.5) ? inTheEdgeZone() : outside());
    }

    // ---- Keys on the blanks ----

    // The compound after (step 1) or before (step -1) the one in a blank, in palette order; an
    // empty blank starts from either end.
    int nextInPalette(int blank, int step) const {
        const int held = want_.blanks[blank];
        const int column =
            held == kNone ? (step > 0 ? -1 : kCompounds) : f_.worksheet.columnOf(held);
        return f_.worksheet.compoundInColumn((column + step + kCompounds) % kCompounds);
    }

    QString keyOnBlank(int blank, Qt::Key key, Qt::KeyboardModifiers modifiers) {
        const QString d =
            QString("key %1 on blank %2").arg(QKeySequence(key | modifiers).toString()).arg(blank);
        assistive::KeyboardStop* stop = f_.stop(blank);
        stop->setFocus(Qt::TabFocusReason);
        if (!stop->hasFocus()) {
            failure_ = QString("blank %1 in view does not take the focus").arg(blank);
            return d;
        }
        State want = want_;
        if (want.dragged == kNone && !(modifiers & (Qt::ControlModifier | Qt::AltModifier))) {
            switch (key) {
            case Qt::Key_Space:
            case Qt::Key_Return:
            case Qt::Key_Right:
            case Qt::Key_Down:
                placeInto(want, blank, nextInPalette(blank, 1));
                break;
            case Qt::Key_Left:
            case Qt::Key_Up:
                placeInto(want, blank, nextInPalette(blank, -1));
                break;
            case Qt::Key_Delete:
            case Qt::Key_Backspace:
                takeOut(want, blank);
                break;
            case Qt::Key_PageUp:
                want.section = std::max(0, want.section - 1);
                break;
            case Qt::Key_PageDown:
                want.section = std::min(kSections - 1, want.section + 1);
                break;
            default:
                break;
            }
        }
        keyClick(key, modifiers);
        settle(d, want);
        return d;
    }

    QString keysOnBlank() {
        static const Qt::Key keys[] = {Qt::Key_Space,    Qt::Key_Return,    Qt::Key_Right,
                                       Qt::Key_Down,     Qt::Key_Left,      Qt::Key_Up,
                                       Qt::Key_Delete,   Qt::Key_Backspace, Qt::Key_PageUp,
                                       Qt::Key_PageDown, Qt::Key_F1};
        const Qt::KeyboardModifiers modifiers = chance(0.1)   ? Qt::ControlModifier
                                                : chance(0.1) ? Qt::ShiftModifier
                                                              : Qt::NoModifier;
        return keyOnBlank(anyOf(blanksInView()), keys[pick(int(std::size(keys)))], modifiers);
    }

    // ---- Typing ----

    // Up to `longest` characters; only pasted text is ever longer than a few hundred.
    QString randomText(int longest) {
        static const QStringList samples{
            "1",     "2",     "3",    "4",     "6",    "10",   "007",   "-1",     "+2",    "0",
            "-0",    "1.5",   "2.5",  "0.5",   "0.6",  ".5",   "5.",    "1.2.3",  "0,5",   "1,0",
            "2e0",   "1e1",   "5e-1", "25E-1", "1e",   "3e+",  "1e400", "1e-400", "abc",   "x2",
            "2x",    "δύο",   "α",    "Ένα",   "٣",    "２",   "40000", "32767",  "32768", "-32768",
            "16384", "16383", "1e5",  " ",     "   ",  "\t",   "\t2",   " 2 ",    "\n",    "\r\n",
            "2\t",   " \t ",  "\b",   "\x1b",  "\x7f", "\x01", "½",     "∞",      "NaN",   "inf",
            "&H10",  "0x10",  "+ 2",  "2 2"};
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

    QLineEdit* edit(int box) const {
        return f_.board.sectionView(model::sectionOfBox(box))->boxEdit(box);
    }

    // Gives a shown box the focus; whatever the keyboard does next is for it alone, and the
    // worksheet keeps what the box then holds. During a drag nothing reaches it but Escape,
    // which sends the card home; the keys after it reach the box.
    QString intoBox(int box, const QString& what, const std::function<void()>& keys,
                    bool escapes = false) {
        QLineEdit* line = edit(box);
        line->setFocus(Qt::MouseFocusReason);
        const bool shown = line->isVisible();
        if (shown && !line->hasFocus()) {
            failure_ = QString("shown box %1 does not take the focus").arg(box);
            return what;
        }
        keys();
        State want = want_;
        if (escapes)
            want.dragged = kNone;
        if (shown && want.dragged == kNone)
            want.texts[box] = line->text();
        settle(what, want);
        return what;
    }

    QString typeKeys() {
        auto boxes = shownBoxes();
        // Hidden boxes are typed into too, where their line edits are made already.
        if (boxes.empty()) {
            for (int b = 0; b < kCoefficientBoxes; ++b) {
                if (edit(b))
                    boxes.push_back(b);
            }
        }
        if (boxes.empty())
            return QStringLiteral("no box to type into");
        const int box = anyOf(boxes);
        if (chance(0.3)) {
            using Key = std::pair<Qt::Key, Qt::KeyboardModifiers>;
            const auto control = Qt::ControlModifier;
            static const std::array<Key, 14> keys{{{Qt::Key_Backspace, {}},
                                                   {Qt::Key_Delete, {}},
                                                   {Qt::Key_Home, {}},
                                                   {Qt::Key_End, {}},
                                                   {Qt::Key_Left, {}},
                                                   {Qt::Key_Right, Qt::ShiftModifier},
                                                   {Qt::Key_A, control},
                                                   {Qt::Key_Z, control},
                                                   {Qt::Key_Z, control | Qt::ShiftModifier},
                                                   {Qt::Key_X, control},
                                                   {Qt::Key_C, control},
                                                   {Qt::Key_V, control},
                                                   {Qt::Key_Escape, {}},
                                                   {Qt::Key_Return, {}}}};
            const auto [key, modifiers] = keys[pick(int(keys.size()))];
            return intoBox(
                box,
                QString("key %1 in box %2").arg(QKeySequence(key | modifiers).toString()).arg(box),
                [=] { keyClick(key, modifiers); }, key == Qt::Key_Escape);
        }
        const QString text = randomText(200);
        return intoBox(
            box, "keys " + printable(text) + QString(" in box %1").arg(box),
            [=] { typeText(text); }, text.contains(QChar(0x1b)));
    }

    // Pasted: anything at all, control characters and tabs included, up to beyond what a box
    // takes.
    QString paste() {
        const int box = anyOf(shownBoxes());
        const QString text = randomText(40000);
        QGuiApplication::clipboard()->setText(text);
        const bool over = chance(0.5);
        return intoBox(box,
                       QString("paste %1 %2 box %3")
                           .arg(printable(text), over ? "over all of" : "into")
                           .arg(box),
                       [=] {
                           if (over)
                               keyClick(Qt::Key_A, Qt::ControlModifier);
                           keyClick(Qt::Key_V, Qt::ControlModifier);
                       });
    }

    // A whole reaction's coefficients, in its ratio or just off it, written the ways a student
    // might write them; in a careful stretch always right.
    QString typeCoefficients(int reaction) {
        const model::Reaction& r = model::reaction(reaction);
        const bool careful = careful_ > 0;
        const int factor = !careful && chance(0.05) ? 16383 + pick(3) : 1 + pick(4);
        // Now and then one box is off by one, or written so that it reads otherwise.
        const int off = !careful && chance(0.25) ? pick(r.boxCount) : -1;
        QStringList texts;
        for (int i = 0; i < r.boxCount; ++i) {
            int value = r.ratio[i] * factor;
            if (i == off && chance(0.5))
                value += chance(0.5) ? 1 : -1;
            const QString v = QString::number(value);
            if (i == off) {
                const QString misread[] = {v, v + ".5", "0," + v, "." + v, v + "e9", "- " + v};
                texts << misread[pick(6)];
                continue;
            }
            const QString forms[] = {v,
                                     v,
                                     v,
                                     " " + v + " ",
                                     "+" + v,
                                     v + ".0",
                                     v + ".4",
                                     v + "abc",
                                     v + "e0",
                                     "0" + v,
                                     value == 1 ? "" : v,
                                     value == 1 ? "   " : v};
            texts << forms[pick(12)];
        }
        QString d = QString("coefficients %1 of reaction %2").arg(texts.join(" | ")).arg(reaction);
        for (int i = 0; i < r.boxCount && failure_.isEmpty(); ++i) {
            const QString text = texts[i];
            intoBox(model::firstBoxOf(reaction) + i, d, [=] {
                keyClick(Qt::Key_A, Qt::ControlModifier);
                keyClick(Qt::Key_Delete);
                typeText(text);
            });
        }
        return d;
    }

    QString type() {
        const auto boxes = shownBoxes();
        if (boxes.empty())
            return drag();
        const int roll = pick(100);
        if (roll < 35) {
            std::vector<int> reactions;
            for (int box : boxes) {
                if (box == model::firstBoxOf(model::reactionOfBox(box)))
                    reactions.push_back(model::reactionOfBox(box));
            }
            return typeCoefficients(anyOf(reactions));
        }
        if (roll < 80)
            return typeKeys();
        if (roll < 95)
            return paste();
        // Tab walks the focus on; it changes nothing.
        const int box = anyOf(boxes);
        return intoBox(box, QString("Tab from box %1").arg(box), [] { keyClick(Qt::Key_Tab); });
    }

    // ---- Scrolling ----

    QString scrollTo(int value, const QString& d) {
        State want = want_;
        want.section = value;
        f_.board.scrollBar()->setValue(value);
        settle(d, want);
        return d;
    }

    // A turn of the wheel over the scroll bar: one section up or down, or nothing during a drag.
    QString wheel() {
        QScrollBar* bar = f_.board.scrollBar();
        const int delta = chance(0.5) ? 120 : -120;
        const QPointF middle(bar->width() / 2.0, bar->height() / 2.0);
        QWheelEvent event(middle, bar->mapToGlobal(middle), QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        State want = want_;
        if (want.dragged == kNone)
            want.section = std::clamp(want.section + (delta > 0 ? -1 : 1), 0, kSections - 1);
        QApplication::sendEvent(bar, &event);
        const QString d = QString("wheel %1 on the scroll bar").arg(delta);
        settle(d, want);
        return d;
    }

    QString keysOnScrollBar() {
        QScrollBar* bar = f_.board.scrollBar();
        static const std::array<std::pair<Qt::Key, int>, 4> keys{
            {{Qt::Key_Down, 1}, {Qt::Key_Up, -1}, {Qt::Key_PageDown, 1}, {Qt::Key_PageUp, -1}}};
        const auto [key, step] = keys[pick(int(keys.size()))];
        const QString d = QString("key %1 on the scroll bar").arg(QKeySequence(key).toString());
        bar->setFocus(Qt::TabFocusReason);
        State want = want_;
        if (want.dragged == kNone)
            want.section = std::clamp(want.section + step, 0, kSections - 1);
        keyClick(key);
        settle(d, want);
        return d;
    }

    QString scroll() {
        QScrollBar* bar = f_.board.scrollBar();
        switch (pick(6)) {
        case 0: {
            const int value = pick(kSections);
            return scrollTo(value, QString("scroll bar set to %1").arg(value));
        }
        case 1: {
            const bool down = chance(0.5);
            State want = want_;
            want.section = std::clamp(want.section + (down ? 1 : -1), 0, kSections - 1);
            bar->triggerAction(down ? QAbstractSlider::SliderSingleStepAdd
                                    : QAbstractSlider::SliderSingleStepSub);
            const QString d = QString("scroll arrow %1").arg(down ? "down" : "up");
            settle(d, want);
            return d;
        }
        case 2: {
            // The thumb dragged through sections turns them as it goes.
            QString d = "scroll thumb through";
            bar->setSliderDown(true);
            for (int n = 1 + pick(4); n > 0 && failure_.isEmpty(); --n) {
                const int position = pick(kSections);
                State want = want_;
                want.section = position;
                bar->setSliderPosition(position);
                d += QString(" %1").arg(position);
                settle(d, want);
            }
            bar->setSliderDown(false);
            return d;
        }
        case 3: {
            // A click on the bar turns one section at most, whichever part it hits.
            const QPoint p(bar->width() / 2, pick(std::max(1, bar->height())));
            const int before = want_.section;
            QTest::mouseClick(bar, Qt::LeftButton, {}, p);
            held_ &= ~Qt::MouseButtons(Qt::LeftButton);
            State want = want_;
            want.section = bar->value();
            const QString d = QString("click on the scroll bar at pixel %1").arg(p.y());
            if (std::abs(want.section - before) > 1)
                failure_ =
                    QString("a click turned from section %1 to %2").arg(before).arg(want.section);
            settle(d, want);
            return d;
        }
        case 4:
            return wheel();
        default:
            return keysOnScrollBar();
        }
    }

    // ---- Check and restart ----

    // A check does what the marking of the worksheet as it stood says: wrong compounds home,
    // their reactions' boxes emptied, wrong coefficients emptied, the grade and the notes of
    // sections at full marks shown; notes shown before stay.
    QString check() {
        State want = want_;
        const model::Marking marking = model::mark(want.blanks, want.texts);
        for (int blank : marking.emptied) {
            // A reaction that loses a compound forgets its coefficients.
            if (isComplete(want.blanks, model::reactionOfBlank(blank)))
                emptyBoxes(want, model::reactionOfBlank(blank));
            want.blanks[blank] = kNone;
        }
        for (int reaction : marking.cleared)
            emptyBoxes(want, reaction);
        want.grade = marking.grade;
        for (int s = 0; s < kSections; ++s)
            want.notes[s] = want.notes[s] || marking.fullMarks[s];
        f_.give(Command::Check);
        settle("check", want);
        screenDue_ = true;
        return "check";
    }

    // A restart draws the palette order from the clock; the seed has to decide it instead, so
    // that a failing seed replays.
    QString restart() {
        const State want = fresh(want_.section);
        f_.give(Command::Restart);
        settle("restart", want);
        f_.worksheet.restart(random_());
        settle("restart with the palette drawn by the seed", want);
        screenDue_ = true;
        return "restart";
    }

    // ---- Careful and greedy stretches ----

    // The compound the answer key asks for in a blank; for a pair, its partner's compound
    // decides which answer is still missing.
    int wanted(int blank) {
        const int answer = model::blankRecord(blank).answer;
        const int partner = otherOfPair(blank);
        if (partner == kNone)
            return answer;
        const int other = model::blankRecord(partner).answer;
        if (want_.blanks[partner] == other)
            return answer;
        if (want_.blanks[partner] == answer)
            return other;
        return chance(0.5) ? answer : other;
    }

    // Whether a blank holds a compound the answer key takes there, and not twice in its pair.
    bool holdsRight(int blank) const {
        const int held = want_.blanks[blank];
        const int partner = otherOfPair(blank);
        if (held == kNone || (partner != kNone && want_.blanks[partner] == held))
            return false;
        return held == model::blankRecord(blank).answer ||
               (partner != kNone && held == model::blankRecord(partner).answer);
    }

    bool coefficientsRight(int reaction) const {
        const std::span<const QString> texts(want_.texts.data() + model::firstBoxOf(reaction),
                                             model::reaction(reaction).boxCount);
        return model::coefficientsRight(model::reaction(reaction), texts);
    }

    // Fills the section in view as the key asks and writes the coefficients of its reactions in
    // their ratios, then goes on to the next section with work left; at the end a check must
    // find everything right.
    QString carefully() {
        std::array<std::vector<int>, kSections> blanksLeft;
        for (int b = 0; b < kBlanks; ++b) {
            if (!holdsRight(b))
                blanksLeft[model::sectionOfBlank(b)].push_back(b);
        }
        if (!blanksLeft[section()].empty()) {
            const int blank = anyOf(blanksLeft[section()]);
            return dragInto(blank, wanted(blank), true);
        }
        std::array<int, kSections> reactionLeft;
        reactionLeft.fill(kNone);
        for (int r = 0; r < model::kReactions; ++r) {
            if (model::reaction(r).boxCount > 0 && !coefficientsRight(r))
                reactionLeft[model::reaction(r).section] = r;
        }
        if (reactionLeft[section()] != kNone)
            return typeCoefficients(reactionLeft[section()]);
        for (int step = 1; step < kSections; ++step) {
            const int next = (section() + step) % kSections;
            if (!blanksLeft[next].empty() || reactionLeft[next] != kNone)
                return scrollTo(next, QString("scroll bar set to %1").arg(next));
        }
        careful_ = 0;
        const QString d = "check of a worksheet filled in right";
        check();
        const bool allNotes =
            std::all_of(want_.notes.begin(), want_.notes.end(), [](bool shown) { return shown; });
        if (failure_.isEmpty() && (want_.grade != 100 || !allNotes))
            failure_ =
                QString("a worksheet filled in right is marked %1%").arg(want_.grade.value_or(-1));
        return d;
    }

    // Puts one compound into every blank, until its column has none left; then a press there
    // must take up nothing.
    QString hoarding() {
        std::array<std::vector<int>, kSections> others;
        for (int b = 0; b < kBlanks; ++b) {
            if (want_.blanks[b] != hoarded_)
                others[model::sectionOfBlank(b)].push_back(b);
        }
        if (!others[section()].empty())
            return dragInto(anyOf(others[section()]), hoarded_, true);
        for (int step = 1; step < kSections; ++step) {
            const int next = (section() + step) % kSections;
            if (!others[next].empty())
                return scrollTo(next, QString("scroll bar set to %1").arg(next));
        }
        hoard_ = 0;
        const QPoint p = onPaletteCard(f_.worksheet.columnOf(hoarded_));
        return "press on the empty column: " + press(p, Qt::LeftButton) + "; " +
               release(p, Qt::LeftButton);
    }

    WindowFixture& f_;
    std::mt19937 random_;
    State want_;
    QString failure_;
    int careful_ = 0;
    int hoard_ = 0;
    int hoarded_ = 0;
    bool viaWindow_ = false;
    // The mouse's buttons down, as this seed pressed and released them.
    Qt::MouseButtons held_;
    bool screenDue_ = false;
    std::map<int, QImage> gradeLooks_;
};

int setting(const char* name, int fallback) {
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : fallback;
}

// The window shown and active, as a student finds it, its first frame on the screen.
bool showWindow(WindowFixture& f) {
    f.window->show();
    if (!QTest::qWaitForWindowActive(f.window.get()))
        return false;
    QCoreApplication::processEvents();
    return true;
}

} // namespace

class RandomActionsTest : public QObject {
    Q_OBJECT

private slots:
    // Whatever the student does, in whatever order: the worksheet holds what the rules make of
    // each event and the window shows it; a check grades as the answer key does; no drag outlives
    // its release, and none lets a key or the wheel through.
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
        QVERIFY(showWindow(f));
        Monkey monkey(f, unsigned(seed));
        const State start = fresh(f.board.sectionInView());
        QCOMPARE(differences(observed(f), start), QString());
        QCOMPARE(brokenInvariant(f, start, Qt::NoButton), QString());
        for (int step = 1; step <= steps; ++step) {
            const QString action = monkey.act();
            QString broken = monkey.failure();
            if (broken.isEmpty() && monkey.screenDue())
                broken = monkey.brokenOnScreen();
            if (!broken.isEmpty())
                QFAIL(qPrintable(QString("seed %1, action %2 (%3): %4")
                                     .arg(seed)
                                     .arg(step)
                                     .arg(action, broken)));
        }
    }

    // Moving right by more than the ghost's 60-twip lead puts the pointer where the ghost lies:
    // through the window's own event path the drag goes on beside the pointer, and a release
    // there lands in the blank under it, not on the ghost.
    void theGhostStaysBesideAPointerThatCatchesUpWithIt() {
        WindowFixture f;
        QVERIFY(showWindow(f));
        f.showSection(3);
        QWindow* window = f.window->windowHandle();
        const auto at = [&](QPointF client) {
            return f.board.mapTo(f.window.get(), WindowFixture::pixels(client));
        };
        // Where the pointer really is: on the pixel the point falls in.
        const auto ghostAt = [](QPointF client) {
            return ghostBeside(twipsAt(WindowFixture::pixels(client)));
        };
        QTest::mousePress(window, Qt::LeftButton, {}, at(f.onPalette(Propanoic)));
        QVERIFY(f.board.isDragging());
        QTest::mouseMove(window, at({3000, 600}));
        QCOMPARE(f.carried().place, ghostAt({3000, 600}));
        const QPointF onGhost(3405, 645);
        QVERIFY(f.carried().place.contains(WindowFixture::pixels(onGhost)));
        QTest::mouseMove(window, at(onGhost));
        QCOMPARE(f.carried().place, ghostAt(onGhost));

        const QPointF onPicture = f.onPicture(6, 7000);
        QTest::mouseMove(window, at(onPicture));
        const QPointF onItsGhost = onPicture + QPointF(300, 0);
        QVERIFY(f.carried().place.contains(WindowFixture::pixels(onItsGhost)));
        QTest::mouseMove(window, at(onItsGhost));
        QCOMPARE(f.carried().place, ghostAt(onItsGhost));
        QTest::mouseRelease(window, Qt::LeftButton, {}, at(onItsGhost));
        QVERIFY(!f.board.isDragging());
        QVERIFY(f.carried().place.isNull());
        QCOMPARE(f.worksheet.compoundIn(model::firstBlankOf(6) + 1), int(Propanoic));
    }

    // A card taken up with a second button while the first, pressed on a section, still holds
    // the pointer, and the keyboard has turned that section away meanwhile: the card still goes
    // where the pointer goes, and a release over a blank puts it there. The drag must hold the
    // pointer itself, as it holds the keys and the wheel.
    void aCardTakenUpWithASecondButtonFollowsThePointer() {
        WindowFixture f;
        QVERIFY(showWindow(f));
        QWindow* window = f.window->windowHandle();
        const auto at = [&](QPointF client) {
            return f.board.mapTo(f.window.get(), WindowFixture::pixels(client));
        };
        const auto buttonsUp =
            qScopeGuard([] { letGoElsewhere(Qt::LeftButton | Qt::RightButton); });
        f.showSection(3);
        const model::Rect box = content::sectionBox(3);
        const QPointF besideThePictures(content::kViewport.left + box.left + 11500,
                                        content::kViewport.top + box.top + 1000);
        QTest::mousePress(window, Qt::LeftButton, {}, at(besideThePictures));
        f.stop(model::firstBlankOf(5))->setFocus();
        keyClick(Qt::Key_PageDown);
        QCOMPARE(f.board.sectionInView(), 4);

        QTest::mousePress(window, Qt::RightButton, {}, at(f.onPalette(Ammonia)));
        QVERIFY(f.board.isDragging());
        const QPointF onBlank = f.onBlank(13);
        QTest::mouseMove(window, at(onBlank));
        QCOMPARE(f.carried().place, ghostBeside(twipsAt(WindowFixture::pixels(onBlank))));
        QTest::mouseRelease(window, Qt::RightButton, {}, at(onBlank));
        QVERIFY(!f.board.isDragging());
        QCOMPARE(f.worksheet.compoundIn(13), int(Ammonia));
        QTest::mouseRelease(window, Qt::LeftButton, {}, at(onBlank));
    }

    // A line break pasted into a box is no empty box: it reads as no number, so the reaction's
    // coefficients are wrong and its boxes are emptied. Read as an empty box it would stand for
    // 1, and 1 : 2 is butane's ratio.
    void aBoxHoldingALineBreakIsNotEmpty() {
        WindowFixture f;
        QVERIFY(showWindow(f));
        f.fill(0, Ethanoic);
        QVERIFY(f.box(0)->isVisible());
        QGuiApplication::clipboard()->setText("\r\n");
        f.box(0)->setFocus();
        keyClick(Qt::Key_V, Qt::ControlModifier);
        f.box(1)->setFocus();
        typeText("2");
        QCOMPARE(f.worksheet.coefficient(0), QString("\r\n"));
        QCOMPARE(f.worksheet.coefficient(1), QString("2"));
        f.give(Command::Check);
        QCOMPARE(f.worksheet.grade(), std::optional<int>(3));
        QVERIFY(f.box(0)->isVisible());
        QCOMPARE(f.box(0)->text(), QString());
        QCOMPARE(f.box(1)->text(), QString());
    }
};

QTEST_MAIN(RandomActionsTest)
#include "test_random_actions.moc"
