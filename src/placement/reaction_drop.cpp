#include "placement/reaction_drop.h"

#include "layout/coefficient_boxes.h"
#include "placement/place_copy.h"
#include "worksheet/worksheet.h"

namespace placement {

namespace {

// Distances of the split lines from the left edge of the section box, for the pictures with
// two blanks; and where the blanks of each kind of picture lie in the section box.
constexpr float kSplitVinegar = 9300;
constexpr float kSplitOxidation = 8100;
constexpr float kSplitHydrolysis = 9060;
constexpr double kRightBlankOxidation = 8255;
constexpr double kRightBlankHydrolysis = 9770;

} // namespace

void ImgSyntactic_DragDrop(worksheet::Worksheet& ws, int Index, controls::Control& Source,
                           float X, float) {
    if (Index < 0 || Index > 10)
        return;
    const auto& P = ws.ui.ImgSyntactic(Index);
    const double W = Source.width();
    const double pictureRight = double(P.left()) + P.width();
    const int section = sectionOfPicture(Index);
    int slot = 0;
    double twinLeft = 0;
    switch (Index) {
    case 0:
    case 1:
    case 2:
        slot = Index;
        twinLeft = pictureRight - W - 420;
        break;
    case 3: {
        // The split, in the picture's coordinates, also serves unchanged as a position in the
        // section box for both blanks.
        const float split = kSplitVinegar - P.left();
        const bool left = X < split;
        slot = left ? 3 : 4;
        twinLeft = left ? split - W - 310 : split + 600.0;
        break;
    }
    case 4:
        slot = 5;
        twinLeft = pictureRight - W - 270;
        break;
    default: {
        const bool oxidation = Index <= 7;
        const float splitInBox = oxidation ? kSplitOxidation : kSplitHydrolysis;
        const bool left = X < float(splitInBox - P.left());
        slot = left ? 2 * Index - 4 : 2 * Index - 3;
        if (left)
            twinLeft = splitInBox - W - 180;
        else
            twinLeft = oxidation ? kRightBlankOxidation : kRightBlankHydrolysis;
        break;
    }
    }
    placeDraggedCopy(ws, slot, P, section, Source, twinLeft);

    const auto& table = ws.model.SlotTable;
    if (Index <= 2) {
        if (table[Index].Placed != worksheet::kEmpty)
            layout::ShowCoefficients(ws, std::int16_t(Index));
    } else if (Index >= 8) {
        if (table[2 * Index - 4].Placed != worksheet::kEmpty &&
            table[2 * Index - 3].Placed != worksheet::kEmpty)
            layout::ShowCoefficients(ws, std::int16_t(Index));
    }
}

} // namespace placement
