#include "assistive/places.h"

#include "assistive/names.h"
#include "content/drawings.h"
#include "content/geometry.h"
#include "content/spoken.h"
#include "content/texts.h"
#include "model/worksheet.h"
#include "view/board.h"
#include "view/section_view.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QWidget>

#include <algorithm>
#include <functional>

namespace assistive {

// A place drawn on a widget: a card, a picture, a text.
class DrawnPlace : public QAccessibleInterface {
public:
    // `pixels` tells where it lies on its widget now: the zoom moves every place, and the grade
    // is as large as its caption.
    DrawnPlace(QWidget* host, QAccessible::Role role, std::function<QRect()> pixels,
               std::function<QString()> name, std::function<bool()> shown, QString description = {})
        : host_(host), role_(role), pixels_(std::move(pixels)), name_(std::move(name)),
          shown_(std::move(shown)), description_(std::move(description)) {}

    // Shown while the widget it is drawn on is, in a window shown or about to be.
    bool isShown() const { return shown_() && host_->isVisibleTo(host_->window()); }
    QRect pixels() const { return pixels_(); }

    bool isValid() const override { return host_; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return host_->window()->windowHandle(); }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(host_);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        switch (t) {
        case QAccessible::Name:
            return name_();
        case QAccessible::Description:
            return description_;
        default:
            return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        if (!isShown())
            return {};
        const QRect shown = pixels() & host_->rect();
        return QRect(host_->mapToGlobal(shown.topLeft()), shown.size());
    }
    QAccessible::Role role() const override { return role_; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.invisible = !isShown();
        state.offscreen = rect().isEmpty();
        return state;
    }

private:
    QPointer<QWidget> host_;
    QAccessible::Role role_;
    std::function<QRect()> pixels_;
    std::function<QString()> name_;
    std::function<bool()> shown_;
    QString description_;
};

namespace {

// The places drawn on one widget, which its interface lists among its children.
class PlaceList : public QObject {
    Q_OBJECT

public:
    explicit PlaceList(QObject* host) : QObject(host) {}

    std::vector<DrawnPlace*> places;

    // The places a student can see now, top to bottom and left to right.
    std::vector<DrawnPlace*> shown() const {
        std::vector<DrawnPlace*> seen;
        for (DrawnPlace* place : places) {
            if (place->isShown())
                seen.push_back(place);
        }
        std::stable_sort(seen.begin(), seen.end(), [](DrawnPlace* a, DrawnPlace* b) {
            const QRect ra = a->pixels();
            const QRect rb = b->pixels();
            return ra.top() != rb.top() ? ra.top() < rb.top() : ra.left() < rb.left();
        });
        return seen;
    }
};

PlaceList* placesOf(QObject* host) {
    return host->findChild<PlaceList*>(QString(), Qt::FindDirectChildrenOnly);
}

// A widget that the window draws places on: its widget children first, then its places.
class DrawingAccessible : public QAccessibleWidget {
public:
    DrawingAccessible(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    int childCount() const override {
        return QAccessibleWidget::childCount() + int(shown().size());
    }

    QAccessibleInterface* child(int index) const override {
        const int widgets = QAccessibleWidget::childCount();
        if (index < widgets)
            return QAccessibleWidget::child(index);
        const std::vector<DrawnPlace*> seen = shown();
        index -= widgets;
        return index < int(seen.size()) ? seen[index] : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child)
            return -1;
        if (child->object())
            return QAccessibleWidget::indexOfChild(child);
        const std::vector<DrawnPlace*> seen = shown();
        const auto found = std::find(seen.begin(), seen.end(), child);
        return found == seen.end() ? -1
                                   : QAccessibleWidget::childCount() + int(found - seen.begin());
    }

    // What is drawn lies under the widgets that take the keyboard over it: a finger on a
    // placed compound finds the compound.
    QAccessibleInterface* childAt(int x, int y) const override {
        for (DrawnPlace* place : shown()) {
            if (place->rect().contains(x, y))
                return place;
        }
        return QAccessibleWidget::childAt(x, y);
    }

private:
    // None before the places are made.
    std::vector<DrawnPlace*> shown() const {
        const PlaceList* list = placesOf(widget());
        return list ? list->shown() : std::vector<DrawnPlace*>{};
    }
};

} // namespace

QAccessibleInterface* drawnPlacesInterface(const QString&, QObject* object) {
    if (auto* board = qobject_cast<view::Board*>(object))
        return new DrawingAccessible(board, QAccessible::Client);
    if (auto* section = qobject_cast<view::SectionView*>(object))
        return new DrawingAccessible(section, QAccessible::Pane);
    return nullptr;
}

Places::Places(view::Board& board) : QObject(&board), board_(board), worksheet_(board.worksheet()) {
    namespace spoken = content::spoken;
    // Where a place of the worksheet lies at the board's zoom.
    const auto at = [this](const model::Rect& twips) {
        return [this, twips] { return board_.zoom().toPixels(twips); };
    };

    new PlaceList(&board);
    grade_ =
        add(&board, new DrawnPlace(
                        &board, QAccessible::StaticText, [this] { return board_.gradeRect(); },
                        [this] { return gradeName_; },
                        [this] { return worksheet_.grade().has_value(); }, spoken::gradeLabel()));
    for (int column = 0; column < model::kCompounds; ++column) {
        paletteCards_[column] = add(
            &board,
            new DrawnPlace(
                &board, QAccessible::Graphic, at(content::paletteCard(column)),
                [this, column] { return spoken::compound(worksheet_.compoundInColumn(column)); },
                [this, column] { return board_.showsCard(column); }));
    }

    for (int s = 0; s < model::kSections; ++s) {
        view::SectionView* section = board.sectionView(s);
        section->setAccessibleName(sectionName(s));
        new PlaceList(section);
        const auto always = [] { return true; };
        if (!model::section(s).title.empty()) {
            const QString title = content::texts::sectionTitle(s);
            add(section, new DrawnPlace(
                             section, QAccessible::StaticText, at(model::kTitleRect),
                             [title] { return title; }, always));
        }
        for (int r = 0; r < model::kReactions; ++r) {
            if (model::reaction(r).section != s)
                continue;
            const QString spoken = content::reactionDrawing(r).accessibleName();
            add(section, new DrawnPlace(
                             section, QAccessible::Graphic, at(content::reactionPicture(r)),
                             [spoken] { return spoken; }, always));
        }
        for (int blank = 0; blank < model::kBlanks; ++blank) {
            if (model::sectionOfBlank(blank) != s)
                continue;
            add(section,
                new DrawnPlace(
                    section, QAccessible::Graphic, at(content::placedCard(blank)),
                    [this, blank] {
                        const int compound = worksheet_.compoundIn(blank);
                        return compound == model::kNone ? QString() : spoken::compound(compound);
                    },
                    [this, blank] { return worksheet_.compoundIn(blank) != model::kNone; }));
        }
        const QString note = content::texts::note(s);
        notes_[s] = add(section, new DrawnPlace(
                                     section, QAccessible::StaticText,
                                     at(model::section(s).noteRect), [note] { return note; },
                                     [this, s] { return worksheet_.isNoteShown(s); }));
    }

    const model::Worksheet& worksheet = worksheet_;
    connect(&worksheet, &model::Worksheet::noteChanged, this, [this](int s) {
        tell(notes_[s],
             worksheet_.isNoteShown(s) ? QAccessible::ObjectShow : QAccessible::ObjectHide);
    });
    connect(&worksheet, &model::Worksheet::gradeChanged, this, &Places::gradeChanged);
    // The front card of each column is another one now: announced as new, so that a screen
    // reader that keeps a picture of the window looks again.
    const auto paletteAnew = [this] {
        for (DrawnPlace* card : paletteCards_) {
            if (card->isShown())
                tell(card, QAccessible::ObjectCreated);
        }
    };
    connect(&worksheet, &model::Worksheet::restarted, this, paletteAnew);
    connect(&worksheet, &model::Worksheet::restored, this, paletteAnew);
}

Places::~Places() {
    for (QAccessible::Id id : ids_)
        QAccessible::deleteAccessibleInterface(id);
}

DrawnPlace* Places::add(QObject* host, DrawnPlace* place) {
    ids_.push_back(QAccessible::registerAccessibleInterface(place));
    placesOf(host)->places.push_back(place);
    return place;
}

void Places::tell(QAccessibleInterface* place, QAccessible::Event event) const {
    QAccessibleEvent notice(place, event);
    QAccessible::updateAccessibility(&notice);
}

// The grade appears, changes and goes where a screen reader hears it at once.
void Places::gradeChanged() {
    const auto grade = worksheet_.grade();
    if (grade) {
        const QString name = view::gradeText(*grade);
        const bool renamed = name != gradeName_;
        gradeName_ = name;
        if (renamed)
            tell(grade_, QAccessible::NameChanged);
    }
    if (grade.has_value() != gradeShown_) {
        gradeShown_ = grade.has_value();
        tell(grade_, gradeShown_ ? QAccessible::ObjectShow : QAccessible::ObjectHide);
    }
}

} // namespace assistive

#include "places.moc"
