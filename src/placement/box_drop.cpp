#include "placement/box_drop.h"

#include "layout/coefficient_boxes.h"
#include "placement/place_copy.h"
#include "worksheet/worksheet.h"

namespace placement {

namespace {

struct BoxTarget {
    int slot;
    int picture;
};

// The last box of each reaction of section 4 stands in front of its right-hand product, so
// it stands for the right blank; every other box for the reaction's left or only blank.
constexpr BoxTarget kBoxTargets[20]{{0, 0},  {0, 0},  {1, 1},  {1, 1},  {1, 1},
                                    {2, 2},  {2, 2},  {2, 2},  {12, 8}, {12, 8},
                                    {12, 8}, {13, 8}, {14, 9}, {14, 9}, {14, 9},
                                    {15, 9}, {16, 10}, {16, 10}, {16, 10}, {17, 10}};

} // namespace

void tCoefficient_DragDrop(worksheet::Worksheet& ws, int Index, controls::Control& Source) {
    if (Index < 0 || Index >= 20)
        return;
    const BoxTarget target = kBoxTargets[Index];
    const auto& P = ws.ui.ImgSyntactic(target.picture);
    const int section = sectionOfBox(Index);
    const double W = Source.width();
    double twinLeft = 0;
    if (target.slot <= 2)
        twinLeft = double(P.left()) + P.width() - W - 420;
    else if (target.slot % 2 == 0)
        twinLeft = 9060 - W - 180;
    else
        twinLeft = 9770;
    placeDraggedCopy(ws, target.slot, P, section, Source, twinLeft);

    const auto& table = ws.model.SlotTable;
    if (section == 0) {
        if (table[target.slot].Placed != worksheet::kEmpty)
            layout::ShowCoefficients(ws, std::int16_t(target.slot));
        return;
    }
    // Every complete reaction of the section shows its boxes again, not only this one.
    for (int p = 8; p <= 10; ++p) {
        if (table[2 * p - 4].Placed != worksheet::kEmpty &&
            table[2 * p - 3].Placed != worksheet::kEmpty)
            layout::ShowCoefficients(ws, std::int16_t(p));
    }
}

} // namespace placement
