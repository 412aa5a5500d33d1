#pragma once

#include "app/main_window.h"
#include "model/worksheet.h"
#include "view/board.h"

#include <QImage>
#include <QUrl>

#include <array>
#include <memory>
#include <vector>

class QAccessibleInterface;
class QAction;

namespace assistive {
class KeyboardStop;
}
class QLineEdit;

using model::Ammonia;
using model::Ethanoic;
using model::GeneralAcid;
using model::Propanoic;
using model::Water;

// The real main window on its worksheet, built offscreen, with an opener that only records
// what it was asked to open (and answers as told). Points are given in twips of the client area
// and reach the window as real mouse events, at the pixel they fall in at the board's zoom.
struct WindowFixture {
    // The menu bar's commands, left to right as the student finds them.
    enum class Command { Help, Check, Restart, Sheet, HandIn, Separator, About, Exit };

    WindowFixture();

    std::vector<QUrl> opened;
    bool openerSucceeds = true;
    model::Worksheet worksheet;
    std::unique_ptr<app::MainWindow> window;
    view::Board& board;

    // Lays the palette out with these compounds, leftmost column first, on a fresh worksheet.
    void usePalette(const std::array<int, model::kCompounds>& compounds);

    // The pixel a point falls in at 100 %, and at the board's zoom.
    static QPoint pixels(QPointF client);
    QPoint pixelAt(QPointF client) const;
    void press(QPointF client, Qt::MouseButton button = Qt::LeftButton);
    void moveTo(QPointF client);
    void releaseAt(QPointF client);
    // A double-click as the mouse makes it: press, release, double-click, release.
    void doubleClick(QPointF client);

    // The middle of the front card of `compound` on the palette.
    QPointF onPalette(int compound) const;
    // Presses the front card of `compound`.
    void grab(int compound, Qt::MouseButton button = Qt::LeftButton);
    // Drags a card of `compound` to `client`, by way of the viewport, and lets it go there.
    void dropAt(int compound, QPointF client);
    // Points of a section box, given in its twips, in the client area, for that section in view:
    // any point; the middle of a rectangle of the section; a point of a reaction picture given in
    // the picture's twips; the middle of a blank's green slot, of the card that lies on a blank,
    // of a coefficient box.
    static QPointF inSection(int section, double x, double y);
    static QPointF middleOf(int section, const model::Rect& r);
    static QPointF onPicture(int reaction, double x, double y = 555);
    static QPointF onBlank(int blank);
    static QPointF onPlacedCard(int blank);
    static QPointF onBox(int box);
    // Drops a card of `compound` into a blank, bringing its section into view first.
    void fill(int blank, int compound);
    void showSection(int section) { board.showSection(section); }

    // The card the student sees beside the pointer while dragging, as the board shows it: where
    // it lies in the board's pixels and whose card it is, told by its picture (kNone for the
    // picture of no card); an empty place and kNone while none shows.
    struct Carried {
        QRect place;
        int compound = model::kNone;
    };
    Carried carried() const;

    // A command's item on the menu bar, and the command given as a click on it would.
    QAction* command(Command which) const;
    void give(Command which) const;

    // A blank's keyboard stop, found where the student sees its focus frame: around the blank's
    // slot. And the grade's, the one keyboard stop on the board itself.
    assistive::KeyboardStop* stop(int blank) const;
    assistive::KeyboardStop* gradeStop() const;
    // What a screen reader finds where the grade is drawn; none while it is hidden.
    QAccessibleInterface* gradePlace() const;

    // The line edit of a coefficient box, made now if need be.
    QLineEdit* box(int number) const;
    // Empty when nothing is revealed as on a fresh worksheet: the grade, the notes and every
    // coefficient box hidden, the boxes empty; otherwise the first thing that shows.
    QString revealed() const;
    // The window as it was last put on the screen, not painted afresh.
    QImage shown() const;
};

using Command = WindowFixture::Command;
