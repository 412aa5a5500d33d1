#include "placement/place_copy.h"

#include "dragging/ghost.h"
#include "layout/return_pictures.h"
#include "worksheet/worksheet.h"

namespace placement {

int sectionOfPicture(int picture) {
    if (picture <= 2)
        return 0;
    if (picture == 3)
        return 1;
    if (picture == 4)
        return 2;
    if (picture <= 7)
        return 3;
    return 4;
}

int sectionOfBox(int box) { return box <= 7 ? 0 : 4; }

void placeDraggedCopy(worksheet::Worksheet& ws, int slot, const controls::Image& P, int section,
                      controls::Control& Source, double twinLeft) {
    const std::int16_t k = ws.model.DraggedCopy;
    auto& placed = ws.model.SlotTable[slot].Placed;
    if (placed != worksheet::kEmpty)
        layout::ReturnPictures(ws, placed);
    placed = k;
    auto& twin = ws.ui.ImgMolecularOfSection(section, k);
    twin.setTop(float(P.top() + P.height() / 2.0 - Source.height() / 2.0 - 35));
    twin.setLeft(float(twinLeft));
    dragging::putAside(ws.ui.ImgMolecular00(k), Source);
    dragging::putAside(Source, Source);
}

} // namespace placement
