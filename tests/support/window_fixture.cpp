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
    showSection(placement::sectionOfPicture(picture));
    // Well inside the blank of that side: its green slot.
    const auto& p = ui.ImgSyntactic(picture);
    const float x = blank == 0 ? p.width() * 0.6f : p.width() * 0.9f;
    return dropAt(compound, onPicture(picture, x));
}
