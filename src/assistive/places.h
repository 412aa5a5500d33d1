#pragma once

#include <QAccessible>
#include <QObject>

#include <array>
#include <vector>

namespace model {
class Worksheet;
}

namespace view {
class Board;
}

namespace assistive {

class DrawnPlace;

// What a screen reader finds where the window draws rather than places widgets: on the board,
// the palette's front cards and the grade; in each section, its title, its reaction pictures,
// the compounds in its blanks and its note. Each is one interface for as long as the window
// lives, listed by the widget it is drawn on while a sighted student can see it, top to bottom
// and left to right. The grade and the notes tell assistive technology when they appear,
// change and go; a restart tells it the palette's cards are others now.
class Places : public QObject {
public:
    explicit Places(view::Board& board);
    ~Places() override;

private:
    DrawnPlace* add(QObject* host, DrawnPlace* place);
    void tell(QAccessibleInterface* place, QAccessible::Event event) const;
    void gradeChanged();

    view::Board& board_;
    const model::Worksheet& worksheet_;
    std::vector<QAccessible::Id> ids_;
    std::array<DrawnPlace*, 5> paletteCards_{};
    DrawnPlace* grade_ = nullptr;
    std::array<DrawnPlace*, 5> notes_{};
    bool gradeShown_ = false;
    QString gradeName_;
};

// What a screen reader finds on the board and on each section: its drawn places.
// installAccessibleFactories() installs it.
QAccessibleInterface* drawnPlacesInterface(const QString& key, QObject* object);

} // namespace assistive
