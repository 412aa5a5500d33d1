#pragma once

#include "controls/form.h"
#include "controls/kinds.h"
#include "model/tables.h"

#include <array>

namespace content {

// Twips of the main window's client area.
inline constexpr float kClientWidth = 13725;
inline constexpr float kClientHeight = 8220;

// The right end of the palette strip: the left edge of the grade label.
inline constexpr float kPaletteRight = 12240;

// Twins at home wait this far above the top edge of their containers.
inline constexpr float kParkingGap = 60;
// Where hidden sections wait, far below the viewport.
inline constexpr float kParkedSectionTop = 10000;
// A picture that follows the pointer lies this far right of it, so that it is never under the
// pointer itself.
inline constexpr float kGhostOffset = 60;
// Within this many twips of the client area's edges a drag ends.
inline constexpr float kEdgeZone = 180;

// The main window's controls by their names and indices, each set looked up once.
class MainControls {
public:
    explicit MainControls(controls::Form& form);

    controls::Form& Form1;
    controls::ScrollBar& VScroll1;
    controls::PictureBox& PicContainer;
    controls::Label& LGrade;
    controls::Image& DropIcon;

    controls::SetOf<controls::PictureBox> Pic;
    controls::SetOf<controls::Shape> Container;
    controls::SetOf<controls::Label> Label1;
    controls::SetOf<controls::Label> cTitle;
    controls::SetOf<controls::Image> ImgSyntactic;
    controls::SetOf<controls::TextBox> tCoefficient;
    controls::SetOf<controls::Image> ImgMolecular;
    controls::SetOf<controls::Image> ImgMolecular00;
    // The section twin sets, "ImgMolecular" followed by the section's digit.
    std::array<controls::SetOf<controls::Image>, model::kSections> ImgMolecularSection;

    controls::Image& ImgMolecularOfSection(int section, int copy) const {
        return ImgMolecularSection[section](copy);
    }
    // The seven pictures of one copy, in the order the window treats them: the card, the
    // viewport twin, then the twins of sections 0 to 4.
    std::array<controls::Image*, 7> picturesOf(int copy) const;
    // The seven sets in that order.
    std::array<controls::ControlSet*, 7> pictureSets() const;
};

// Creates every control of the main window in `form`, in listing order (front to back in each
// container), with the design values: positions, sizes, colours, fonts, texts and drawings.
void buildMainWindow(controls::Form& form);

} // namespace content
