#include "layout/send_home.h"

namespace layout {

void sendHome(const content::MainControls& ui, const model::Model& model, int copy) {
    const double col = (*model.PaletteColumn)[model::compoundOf(copy)];
    const double W = ui.ImgMolecular(0).width();
    const double H = ui.ImgMolecular(0).height();
    const double scaleTop = ui.Form1.scaleTop();
    const auto& viewport = ui.PicContainer;

    // Five columns with six equal gaps between the viewport's left edge and the grade label.
    const double vg = (viewport.top() - scaleTop - H) / 2;
    const double hg = (content::kPaletteRight - viewport.left() - 5 * W) / 6;
    auto& card = ui.ImgMolecular(copy);
    card.setTop(float(scaleTop + vg));
    card.setLeft(float((W + hg) * col + (hg + viewport.left())));

    const double hg0 = (viewport.width() - 5 * W) / 6;
    auto& viewportTwin = ui.ImgMolecular00(copy);
    viewportTwin.setTop(float(-H - content::kParkingGap));
    viewportTwin.setLeft(float(hg0 + (W + hg0) * col));

    for (int n = 0; n < model::kSections; ++n) {
        const double hgn = (ui.Pic(n).width() - 5 * W) / 6;
        auto& twin = ui.ImgMolecularOfSection(n, copy);
        twin.setTop(float(-H - content::kParkingGap));
        twin.setLeft(float(hgn + (W + hgn) * col));
    }
}

} // namespace layout
