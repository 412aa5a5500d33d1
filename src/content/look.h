#pragma once

#include <QColor>

// The worksheet's own colours, for the window and for paper alike. They stay what they are
// whatever colours the desktop gives its windows: a worksheet looks the same in every class.
namespace content::look {

// A section: its light-yellow frame with a red border, and the white-on-blue tab of its title.
inline const QColor kFrameFill(0xFF, 0xFF, 0xC0);
inline const QColor kFrameBorder(0xFF, 0x00, 0x00);
inline const QColor kTitleBack(0x00, 0x00, 0xC0);
inline const QColor kTitleText(Qt::white);
// The window's ground, under the palette and around the sections, and behind the notes.
inline const QColor kGround(Qt::white);
inline const QColor kText(Qt::black);
// Coefficient boxes: red digits on white.
inline const QColor kCoefficientText(0xFF, 0x00, 0x00);
inline const QColor kCoefficientBack(Qt::white);
// The grade: white on red.
inline const QColor kGradeText(Qt::white);
inline const QColor kGradeBack(0xFF, 0x00, 0x00);
// The single border of a title or the grade.
inline const QColor kLabelBorder(0x40, 0x40, 0x40);

// In pixels of the screen.
inline constexpr int kFrameBorderWidth = 3;

// The frame round whatever has the keyboard's focus: dark enough to stand out on the white
// ground, the yellow reactions, the green cards and the grey scroll bar.
inline const QColor kFocusFrame(0, 0, 160);
inline constexpr int kFocusFrameWidth = 2;

} // namespace content::look
