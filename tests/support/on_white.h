#pragma once

#include <QImage>
#include <QPixmap>
#include <QSize>

// A picture as the window shows it on its white ground, drawn `times` over one another as the
// palette stacks its cards: the transparent corners show the ground, and the antialiased edges
// darken with every card.
QImage onWhite(const QPixmap& picture, int times = 1);

// `count` cards of `compound` at ratio 1, stacked on the white ground.
QImage cardsOnWhite(int compound, QSize size, int count = 1);
