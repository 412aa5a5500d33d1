#include "layout/return_pictures.h"

#include "worksheet/worksheet.h"

namespace layout {

namespace {

// Twins wait this far above the top edge of their containers.
constexpr double kParkingGap = 60;

} // namespace

void ReturnPictures(worksheet::Worksheet& ws, std::int16_t k) {
    const auto& ui = ws.ui;
    const double col = (*ws.model.PaletteColumn)[worksheet::compoundOf(k)];
    const double W = ui.ImgMolecular(0).width();
    const double H = ui.ImgMolecular(0).height();
    const double scaleTop = ui.Form1.scaleTop();
    const auto& viewport = ui.PicContainer;

    // Five columns with six equal gaps between the viewport's left edge and the grade label.
    const double vg = (viewport.top() - scaleTop - H) / 2;
    const double hg = (content::kPaletteRight - viewport.left() - 5 * W) / 6;
    auto& cardPicture = ui.ImgMolecular(k);
    cardPicture.setTop(float(scaleTop + vg));
    cardPicture.setLeft(float((W + hg) * col + (hg + viewport.left())));

    const double hg0 = (viewport.width() - 5 * W) / 6;
    auto& viewportTwin = ui.ImgMolecular00(k);
    viewportTwin.setTop(float(-H - kParkingGap));
    viewportTwin.setLeft(float(hg0 + (W + hg0) * col));

    for (int n = 0; n < content::kSections; ++n) {
        const double hgn = (ui.Pic(n).width() - 5 * W) / 6;
        auto& twin = ui.ImgMolecularOfSection(n, k);
        twin.setTop(float(-H - kParkingGap));
        twin.setLeft(float(hgn + (W + hgn) * col));
    }
}

} // namespace layout
