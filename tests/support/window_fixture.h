#pragma once

#include "app/main_window.h"
#include "model/worksheet.h"
#include "view/board.h"

#include <QImage>
#include <QUrl>

#include <array>
#include <memory>
#include <vector>

class QLineEdit;

using model::Ammonia;
using model::Ethanoic;
using model::GeneralAcid;
using model::Propanoic;
using model::Water;

// The real main window on its worksheet, built offscreen, with an opener that only records
// what it was asked to open (and answers as told). Points are given in twips of the client area
// and reach the window as real mouse events, at the pixel they fall in.
struct WindowFixture {
    WindowFixture();

    std::vector<QUrl> opened;
    bool openerSucceeds = true;
    model::Worksheet worksheet;
    std::unique_ptr<app::MainWindow> window;
    view::Board& board;

    // Lays the palette out with these compounds, leftmost column first, on a fresh worksheet.
    void usePalette(const std::array<int, model::kCompounds>& compounds);

    static QPoint pixels(QPointF client);
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
    // A point given in a reaction picture's twips, in the client area, for the section in view.
    QPointF onPicture(int reaction, double x, double y = 555) const;
    // The middle of a blank's green slot; its section must be in view.
    QPointF onBlank(int blank) const;
    // Drops a card of `compound` into a blank, bringing its section into view first.
    void fill(int blank, int compound);
    void showSection(int section) { board.showSection(section); }

    // The line edit of a coefficient box, made now if need be.
    QLineEdit* box(int number) const;
    // Empty when nothing is revealed as on a fresh worksheet: the grade, the notes and every
    // coefficient box hidden, the boxes empty; otherwise the first thing that shows.
    QString revealed() const;
    // The window as it was last put on the screen, not painted afresh.
    QImage shown() const;
};
