#pragma once

#include "content/drawing.h"

#include <QCursor>
#include <QIcon>
#include <QList>

namespace content {

// Every drawing is made once and shared, so all the controls that show it share its pixmaps.

// The card of compound 0..4 (water, ethanoic acid, propanoic acid, the general saturated acid,
// ammonia): the formula on a green face, in a logical space of 16000 x 3102.
const Drawing& cardDrawing(int compound);

// Reaction picture 0..10 on its yellow frame, 16000 logical units wide.
const Drawing& reactionDrawing(int picture);

// The same drawings for paper: pale faces and frames and white slots, which a black-and-white
// printer keeps apart from the black formulas and which leave room for a pen.
const Drawing& paperCardDrawing(int compound);
const Drawing& paperReactionDrawing(int picture);

// The tab of a section's title: its caption, white on blue, in the size the window shows it; none
// for a section without a title.
const Drawing* titleDrawing(int section);

// The character height of a reaction picture's formulas, in the picture's logical units; 0 for a
// picture that does not exist.
int reactionFormulaHeight(int picture);

// Paints over the green slot of blank `side` (0 the left or only one, 1 the right) of reaction
// picture `picture` drawn in `pixels`, outline and all, with the picture's yellow: the card laid
// there then hides its blank whole. The card's corners are rounder than the slot's, and at some
// scales the two round to edges a device pixel apart.
void coverSlot(QPainter& painter, int picture, int side, const QRect& pixels);

// The 32 x 32 icon a card carries while it is dragged: a hand above an open grey tray.
const Drawing& dragIconDrawing();

// The pointer over the cards: a pointing hand whose fingertip, at (12, 1), is the hot spot.
QCursor handCursor();

// Laboratory glassware with green liquid: the drawing, and the icon made of it in sizes from 16
// to 256 pixels.
const Drawing& windowIconDrawing();
QIcon windowIcon();
// The sizes the icon offers the window system, in pixels.
QList<QSize> windowIconSizes();

} // namespace content
