#include "support/window_fixture.h"

namespace {

std::unique_ptr<app::MainWindow> makeWindow(WindowFixture& fixture) {
    return std::make_unique<app::MainWindow>([&fixture](const QUrl& url) {
        fixture.opened.push_back(url);
        return fixture.openerSucceeds;
    });
}

} // namespace

WindowFixture::WindowFixture()
    : window(makeWindow(*this)), ws(window->worksheet()), ui(ws.ui), model(ws.model) {}

QPointF WindowFixture::inClient(const controls::Control& control, QPointF local) {
    return control.originInForm() + local;
}

int WindowFixture::frontCopy(int compound) const {
    const float left = kPaletteLefts[(*model.PaletteColumn)[compound]];
    const auto hit = ui.Form1.hitTest({left + 1000, kPaletteTop + 200});
    return hit.control->index();
}

int WindowFixture::grab(int compound, Qt::MouseButton button) {
    const float left = kPaletteLefts[(*model.PaletteColumn)[compound]];
    const int copy = frontCopy(compound);
    router().press({left + 1000, kPaletteTop + 200}, button);
    return copy;
}

void WindowFixture::moveTo(QPointF client) { router().move(client, Qt::LeftButton); }

void WindowFixture::releaseAt(QPointF client) {
    router().move(client, Qt::LeftButton);
    router().release(client, Qt::LeftButton);
}

int WindowFixture::dropAt(int compound, QPointF client) {
    const int copy = grab(compound);
    moveTo({6000, 1500});
    releaseAt(client);
    return copy;
}

QPointF WindowFixture::onPicture(int picture, float x, float y) const {
    return inClient(ui.ImgSyntactic(picture), {x, y});
}

int WindowFixture::fill(int picture, int blank, int compound) {
    showSection(model::sectionOfReaction(picture));
    // Well inside the blank of that side: its green slot.
    const auto& p = ui.ImgSyntactic(picture);
    const float x = blank == 0 ? p.width() * 0.6f : p.width() * 0.9f;
    return dropAt(compound, onPicture(picture, x));
}

QList<std::int16_t> WindowFixture::placedCopies() const {
    QList<std::int16_t> placed;
    for (const auto& slot : model.SlotTable)
        placed.append(slot.Placed);
    return placed;
}

QString WindowFixture::awayFromHome(int copy) const {
    const int column = (*model.PaletteColumn)[model::compoundOf(copy)];
    const auto& card = ui.ImgMolecular(copy);
    if (at(card) != QPointF(kPaletteLefts[column], kPaletteTop))
        return where(card);
    const auto& viewportTwin = ui.ImgMolecular00(copy);
    if (at(viewportTwin) != QPointF(parkedViewportLeft(column), kParkedTop))
        return where(viewportTwin);
    for (int s = 0; s < model::kSections; ++s) {
        const auto& twin = ui.ImgMolecularOfSection(s, copy);
        if (at(twin) != QPointF(parkedSectionLeft(column), kParkedTop))
            return where(twin);
    }
    return {};
}

QString WindowFixture::revealed() const {
    if (ui.LGrade.isVisible())
        return QStringLiteral("the grade");
    for (int s = 0; s < model::kSections; ++s) {
        if (ui.Label1(s).isVisible())
            return QStringLiteral("note %1").arg(s);
    }
    for (int b = 0; b < model::kCoefficientBoxes; ++b) {
        if (ui.tCoefficient(b).isVisible() || !ui.tCoefficient(b).text().isEmpty())
            return QStringLiteral("box %1").arg(b);
    }
    return {};
}

QString where(const controls::Control& control) {
    return QString("%1(%2) at %3,%4")
        .arg(control.name())
        .arg(control.index())
        .arg(control.left())
        .arg(control.top());
}
