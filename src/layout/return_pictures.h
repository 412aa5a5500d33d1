#pragma once

#include <cstdint>

namespace worksheet {
class Worksheet;
}

namespace layout {

// Sends copy `k` home: its card to its compound's palette column, its six twins just above
// their containers, out of sight. The one way back for a copy; it never touches a slot.
void ReturnPictures(worksheet::Worksheet& ws, std::int16_t k);

} // namespace layout
