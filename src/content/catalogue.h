#pragma once

#include "controls/form.h"
#include "controls/kinds.h"

#include <array>

namespace content {

// Number of the sections, compounds, reaction pictures and coefficient boxes of the window.
inline constexpr int kSections = 5;
inline constexpr int kCompounds = 5;
inline constexpr int kReactionPictures = 11;
inline constexpr int kCoefficientBoxes = 20;

// Twips of the main window's client area.
inline constexpr float kClientWidth = 13725;
inline constexpr float kClientHeight = 8220;

// The right end of the palette strip: the left edge of the grade label.
inline constexpr float kPaletteRight = 12240;

// The main window's controls, reached by their names and indices.
class MainControls {
public:
    explicit MainControls(controls::Form& form);

    controls::Form& Form1;
    controls::ScrollBar& VScroll1;
    controls::PictureBox& PicContainer;
    controls::Label& LGrade;
    controls::Image& DropIcon;

    controls::PictureBox& Pic(int section) const;
    controls::Shape& Container(int section) const;
    controls::Label& Label1(int section) const;
    controls::Label& cTitle(int section) const;
    controls::Image& ImgSyntactic(int picture) const;
    controls::TextBox& tCoefficient(int box) const;
    controls::Image& ImgMolecular(int copy) const;
    controls::Image& ImgMolecular00(int copy) const;
    // The section twin of a copy, in the set named "ImgMolecular" followed by the section's digit.
    controls::Image& ImgMolecularOfSection(int section, int copy) const;
    // The set named "ImgMolecular" followed by the digit `section`, looked up by that name.
    controls::ControlSet& sectionTwinSet(int section) const;
    // The seven pictures of one copy, in the order the window treats them: the card, the
    // viewport twin, then the twins of sections 0 to 4.
    std::array<controls::Image*, 7> picturesOf(int copy) const;
};

// Creates every control of the main window in `form`, in listing order (front to back in each
// container), with the design values: positions, sizes, colours, fonts, texts and drawings.
void buildMainWindow(controls::Form& form);

} // namespace content
