#include "support/window_fixture.h"

#include "assistive/keyboard_stop.h"
#include "content/device_pixels.h"
#include "content/drawing.h"
#include "content/drawings.h"
#include "content/geometry.h"
#include "support/on_white.h"
#include "view/ghost.h"
#include "view/section_view.h"

#include <QAccessible>
#include <QAction>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QTest>

#include <functional>

WindowFixture::WindowFixture()
    : window(std::make_unique<app::MainWindow>(worksheet,
                                               [this](const QUrl& url) {
                                                   opened.push_back(url);
                                                   return openerSucceeds;
                                               })),
      board(*window->findChild<view::Board*>()) {}

QAction* WindowFixture::command(Command which) const {
    return window->menuBar()->actions().at(int(which));
}

void WindowFixture::give(Command which) const {
    command(which)->trigger();
}

void WindowFixture::usePalette(const std::array<int, model::kCompounds>& compounds) {
    for (std::uint32_t seed = 0;; ++seed) {
        worksheet.restart(seed);
        bool same = true;
        for (int column = 0; column < model::kCompounds; ++column)
            same = same && worksheet.compoundInColumn(column) == compounds[column];
        if (same)
            return;
    }
}

QPoint WindowFixture::pixels(QPointF client) {
    return QPoint(int(client.x() / content::kTwipsPerPixel),
                  int(client.y() / content::kTwipsPerPixel));
}

QPoint WindowFixture::pixelAt(QPointF client) const {
    const double zoom = board.zoom().factor();
    return QPoint(int(client.x() * zoom / content::kTwipsPerPixel),
                  int(client.y() * zoom / content::kTwipsPerPixel));
}

void WindowFixture::press(QPointF client, Qt::MouseButton button) {
    QTest::mousePress(&board, button, {}, pixelAt(client));
}

void WindowFixture::moveTo(QPointF client) {
    QTest::mouseMove(&board, pixelAt(client));
}

void WindowFixture::releaseAt(QPointF client) {
    moveTo(client);
    QTest::mouseRelease(&board, Qt::LeftButton, {}, pixelAt(client));
}

void WindowFixture::doubleClick(QPointF client) {
    const QPoint at = pixelAt(client);
    QTest::mousePress(&board, Qt::LeftButton, {}, at);
    QTest::mouseRelease(&board, Qt::LeftButton, {}, at);
    // Qt Test's double-click sends the double-click alone and leaves the button held.
    QTest::mouseDClick(&board, Qt::LeftButton, {}, at);
    QTest::mouseRelease(&board, Qt::LeftButton, {}, at);
}

QPointF WindowFixture::onPalette(int compound) const {
    const model::Rect card = content::paletteCard(worksheet.columnOf(compound));
    return {card.left + card.width / 2, card.top + card.height / 2};
}

void WindowFixture::grab(int compound, Qt::MouseButton button) {
    press(onPalette(compound), button);
}

void WindowFixture::dropAt(int compound, QPointF client) {
    grab(compound);
    moveTo({6000, 1500});
    releaseAt(client);
}

QPointF WindowFixture::inSection(int section, double x, double y) {
    const model::Rect box = content::sectionBox(section);
    return {content::kViewport.left + box.left + x, content::kViewport.top + box.top + y};
}

QPointF WindowFixture::middleOf(int section, const model::Rect& r) {
    return inSection(section, r.left + r.width / 2, r.top + r.height / 2);
}

QPointF WindowFixture::onPicture(int reaction, double x, double y) {
    const model::Rect& picture = content::reactionPicture(reaction);
    return inSection(model::reaction(reaction).section, picture.left + x, picture.top + y);
}

QPointF WindowFixture::onBlank(int blank) {
    return middleOf(model::sectionOfBlank(blank), content::slotOf(blank));
}

QPointF WindowFixture::onPlacedCard(int blank) {
    return middleOf(model::sectionOfBlank(blank), content::placedCard(blank));
}

QPointF WindowFixture::onBox(int box) {
    return middleOf(model::sectionOfBox(box), content::coefficientBox(box));
}

void WindowFixture::fill(int blank, int compound) {
    showSection(model::sectionOfBlank(blank));
    dropAt(compound, onBlank(blank));
}

WindowFixture::Carried WindowFixture::carried() const {
    for (QObject* child : board.children()) {
        auto* ghost = dynamic_cast<view::Ghost*>(child);
        if (!ghost || !ghost->isVisibleTo(&board))
            continue;
        // Drawn alone on a transparent ground, as it lies over whatever is under it.
        const qreal ratio = ghost->devicePixelRatioF();
        QImage drawn(content::devicePixels(ghost->size(), ratio),
                     QImage::Format_ARGB32_Premultiplied);
        drawn.setDevicePixelRatio(ratio);
        drawn.fill(Qt::transparent);
        ghost->render(&drawn, {}, {}, QWidget::DrawChildren);
        const QImage seen = onWhite(QPixmap::fromImage(drawn));
        for (int compound = 0; compound < model::kCompounds; ++compound) {
            const QPixmap card = content::cardDrawing(compound).pixmap(drawn.size(), ratio);
            if (onWhite(card) == seen)
                return {ghost->geometry(), compound};
        }
        return {ghost->geometry()};
    }
    return {};
}

namespace {

// The first keyboard stop among a widget's children that `wanted` takes.
assistive::KeyboardStop* stopAmong(const QWidget& parent,
                                   const std::function<bool(const QWidget&)>& wanted) {
    for (QObject* child : parent.children()) {
        auto* stop = dynamic_cast<assistive::KeyboardStop*>(child);
        if (stop && wanted(*stop))
            return stop;
    }
    return nullptr;
}

} // namespace

assistive::KeyboardStop* WindowFixture::stop(int blank) const {
    const QPoint slot = board.zoom().toPixels(content::slotOf(blank)).center();
    return stopAmong(*board.sectionView(model::sectionOfBlank(blank)),
                     [slot](const QWidget& stop) { return stop.geometry().contains(slot); });
}

assistive::KeyboardStop* WindowFixture::gradeStop() const {
    return stopAmong(board, [](const QWidget&) { return true; });
}

QAccessibleInterface* WindowFixture::gradePlace() const {
    QAccessibleInterface* onBoard = QAccessible::queryAccessibleInterface(&board);
    const QRect drawn(board.mapToGlobal(board.gradeRect().topLeft()), board.gradeRect().size());
    for (int i = 0; i < onBoard->childCount(); ++i) {
        QAccessibleInterface* place = onBoard->child(i);
        if (place->role() == QAccessible::StaticText && place->rect() == drawn)
            return place;
    }
    return nullptr;
}

QLineEdit* WindowFixture::box(int number) const {
    view::SectionView* section = board.sectionView(model::sectionOfBox(number));
    section->makeBoxes();
    return section->boxEdit(number);
}

QString WindowFixture::revealed() const {
    if (worksheet.grade())
        return QStringLiteral("the grade");
    for (int s = 0; s < model::kSections; ++s) {
        if (worksheet.isNoteShown(s))
            return QStringLiteral("note %1").arg(s);
    }
    for (int b = 0; b < model::kCoefficientBoxes; ++b) {
        if (worksheet.isBoxShown(b) || !worksheet.coefficient(b).isEmpty())
            return QStringLiteral("box %1").arg(b);
        if (QLineEdit* edit = board.sectionView(model::sectionOfBox(b))->boxEdit(b);
            edit && (edit->isVisible() || !edit->text().isEmpty()))
            return QStringLiteral("the line edit of box %1").arg(b);
    }
    return {};
}

QImage WindowFixture::shown() const {
    return window->screen()->grabWindow(window->winId()).toImage();
}
