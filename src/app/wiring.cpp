#include "app/wiring.h"

#include "app/main_window.h"
#include "dragging/palette.h"
#include "dragging/placed.h"
#include "dragging/tracking.h"
#include "layout/sections.h"
#include "placement/drag_feedback.h"
#include "placement/drops.h"

#include <QAction>

namespace app {

using controls::Control;
using controls::DragState;
using controls::MouseEventArgs;

void wireEvents(MainWindow& window) {
    worksheet::Worksheet& ws = window.worksheet();
    const content::MainControls& ui = ws.ui;

    const auto toBackground = [&ws](int, Control&, float, float) {
        dragging::dropOnBackground(ws);
    };

    assistive::BlankStops& stops = window.blankStops();
    const auto showSection = [&ws, &stops](int) {
        layout::showSection(ws.ui, ws.ui.VScroll1.value());
        stops.sectionShown();
    };
    ui.VScroll1.handlers().change = showSection;
    ui.VScroll1.handlers().scroll = showSection;
    ui.VScroll1.handlers().dragOver = [&ws](int, Control&, float, float, DragState) {
        dragging::parkOverScrollBar(ws);
    };
    ui.VScroll1.handlers().dragDrop = toBackground;

    ui.ImgMolecular.handlers().mouseDown = [&ws](int copy, const MouseEventArgs&) {
        dragging::startDrag(ws, copy);
    };
    ui.ImgMolecular.handlers().mouseMove = [&ws](int copy, const MouseEventArgs&) {
        dragging::hintOverCard(ws, copy);
    };
    ui.ImgMolecular.handlers().dragOver = [&ws](int copy, Control& card, float x, float y,
                                                DragState) {
        dragging::followOverCard(ws, copy, card, {x, y});
    };
    ui.ImgMolecular.handlers().dragDrop = toBackground;

    for (int section = 0; section < model::kSections; ++section) {
        controls::Handlers& twins = ui.ImgMolecularSection[section].handlers();
        twins.doubleClick = [&ws, section](int copy) { dragging::removePlaced(ws, section, copy); };
        twins.dragDrop = [&ws, section](int copy, Control&, float, float) {
            dragging::dropOnPlaced(ws, section, copy);
        };
        twins.dragOver = [&ws, section](int copy, Control& card, float x, float y, DragState) {
            dragging::followOverPlaced(ws, section, copy, card, {x, y});
        };
        twins.mouseMove = [&ws, section](int copy, const MouseEventArgs&) {
            dragging::hintOverPlaced(ws, section, copy);
        };
    }
    ui.ImgMolecular00.handlers().dragOver = [&ws](int copy, Control& card, float x, float y,
                                                  DragState) {
        dragging::followOverViewportTwin(ws, copy, card, {x, y});
    };
    ui.ImgMolecular00.handlers().dragDrop = toBackground;

    ui.ImgSyntactic.handlers().dragOver = [&ws](int picture, Control& card, float x, float y,
                                                DragState) {
        placement::followOverReaction(ws, picture, card, {x, y});
    };
    ui.ImgSyntactic.handlers().dragDrop = [&ws](int picture, Control& card, float x, float y) {
        placement::dropOnReaction(ws, picture, card, {x, y});
    };
    ui.tCoefficient.handlers().dragOver = [&ws](int box, Control& card, float x, float y,
                                                DragState) {
        placement::followOverBox(ws, box, card, {x, y});
    };
    ui.tCoefficient.handlers().dragDrop = [&ws](int box, Control& card, float, float) {
        placement::dropOnBox(ws, box, card);
    };

    ui.Form1.handlers().dragOver = [&ws](int, Control& card, float x, float y, DragState) {
        dragging::followOverWindow(ws, card, {x, y});
    };
    ui.Form1.handlers().dragDrop = toBackground;
    ui.PicContainer.handlers().dragOver = [&ws](int, Control& card, float x, float y, DragState) {
        dragging::followOverViewport(ws, card, {x, y});
    };
    ui.PicContainer.handlers().dragDrop = toBackground;
    ui.Pic.handlers().dragOver = [&ws](int section, Control& card, float x, float y, DragState) {
        dragging::followOverSection(ws, section, card, {x, y});
    };
    ui.Pic.handlers().dragDrop = toBackground;
    ui.cTitle.handlers().dragOver = [&ws](int section, Control& card, float x, float y, DragState) {
        dragging::followOverTitle(ws, section, card, {x, y});
    };
    ui.cTitle.handlers().dragDrop = toBackground;
    ui.Label1.handlers().dragOver = [&ws](int section, Control& card, float x, float y, DragState) {
        dragging::followOverNote(ws, section, card, {x, y});
    };
    ui.Label1.handlers().dragDrop = toBackground;

    // The separator item only separates: it has no command.
    QObject::connect(window.mnuHelp, &QAction::triggered, &window, &MainWindow::showHelp);
    QObject::connect(window.mnuCheck, &QAction::triggered, &window, &MainWindow::check);
    QObject::connect(window.mnuRestart, &QAction::triggered, &window, &MainWindow::restart);
    QObject::connect(window.mnuSheet, &QAction::triggered, &window,
                     &MainWindow::openWorksheetDocument);
    QObject::connect(window.mnuAbout, &QAction::triggered, &window, &MainWindow::showAbout);
    QObject::connect(window.mnuExit, &QAction::triggered, &window, &QWidget::close);
}

} // namespace app
