#include "layout/sections.h"

#include "worksheet/worksheet.h"

namespace layout {

namespace {

// Where hidden sections wait, far below the viewport.
constexpr float kParkedSectionTop = 10000;

} // namespace

void SizePics(worksheet::Worksheet& ws) {
    for (int i = 0; i < content::kSections; ++i) {
        const auto& frame = ws.ui.Container(i);
        ws.ui.Pic(i).setHeight(frame.height() + 2 * frame.top());
    }
}

void PlacePictures(worksheet::Worksheet& ws, std::int16_t PicId) {
    const auto& viewport = ws.ui.PicContainer;
    for (int a = 0; a < content::kSections; ++a) {
        auto& pic = ws.ui.Pic(a);
        if (a == PicId) {
            pic.setLeft(float(viewport.width() / 2.0 - pic.width() / 2.0));
            pic.setTop(float(viewport.height() / 2.0 - pic.height() / 2.0));
            pic.setVisible(true);
        } else {
            pic.setVisible(false);
            pic.setTop(kParkedSectionTop);
        }
    }
}

void VScroll1_Change(worksheet::Worksheet& ws) {
    PlacePictures(ws, std::int16_t(ws.ui.VScroll1.value()));
}

void VScroll1_Scroll(worksheet::Worksheet& ws) {
    PlacePictures(ws, std::int16_t(ws.ui.VScroll1.value()));
}

} // namespace layout
