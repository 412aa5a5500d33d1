#include "layout/sections.h"

namespace layout {

void sizeSections(const content::MainControls& ui) {
    for (int i = 0; i < model::kSections; ++i) {
        const auto& frame = ui.Container(i);
        ui.Pic(i).setHeight(frame.height() + 2 * frame.top());
    }
}

void showSection(const content::MainControls& ui, int section) {
    const auto& viewport = ui.PicContainer;
    for (int a = 0; a < model::kSections; ++a) {
        auto& pic = ui.Pic(a);
        if (a == section) {
            pic.setLeft(float(viewport.width() / 2.0 - pic.width() / 2.0));
            pic.setTop(float(viewport.height() / 2.0 - pic.height() / 2.0));
            pic.setVisible(true);
        } else {
            pic.setVisible(false);
            pic.setTop(content::kParkedSectionTop);
        }
    }
}

} // namespace layout
