#pragma once

#include <cstdint>

namespace worksheet {
class Worksheet;
}

namespace layout {

// Sizes each section box so that its frame sits in it with equal margins above and below.
void SizePics(worksheet::Worksheet& ws);

// Shows section `PicId` centred in the viewport and parks the others out of sight; a value
// outside 0..4 hides them all.
void PlacePictures(worksheet::Worksheet& ws, std::int16_t PicId);

// The scroll bar switches sections: on a change and live while its thumb is dragged.
void VScroll1_Change(worksheet::Worksheet& ws);
void VScroll1_Scroll(worksheet::Worksheet& ws);

} // namespace layout
