#include "app/about_window.h"

#include "content/about_pictures.h"
#include "content/fonts.h"
#include "content/geometry.h"
#include "content/links.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>

namespace app {

namespace {

QString caption() {
    return QCoreApplication::translate("About", "Παρασκευές οργανικών οξέων, 2014");
}
QString schoolTip() {
    return QCoreApplication::translate(
        "About", "κλικ για να συνδεθείτε με την ιστοσελίδα του Λυκείου Φλοκαρίων");
}
// Followed by the author as the About window names him, in the genitive.
QString collectionTip() {
    return QCoreApplication::translate("About",
                                       "κλικ για να συνδεθείτε με τη συλλογή προγραμμάτων του ");
}
// Followed by the maker's web address.
QString makerTip() {
    return QCoreApplication::translate("About", "κλικ για να συνδεθείτε με την ");
}

// The window and its controls, in twips of the client area.
constexpr int kClientWidth = 8055;
constexpr int kClientHeight = 5325;
const QColor kBackground(0x40, 0x40, 0x40);
const QColor kCreditColour(0x00, 0x80, 0x00);

// Over the window that asked for it, where the student is looking, or in the middle of the
// screen while that window is not shown; wholly within that window's screen, where panels leave
// room.
const QWidget& owner(const QWidget& window) {
    return window.parentWidget() ? *window.parentWidget()->window() : window;
}
QRect ownerScreen(const QWidget& window) {
    return WindowCentring::availableArea(owner(window));
}
QRect ownerArea(const QWidget& window) {
    const QWidget& asker = owner(window);
    const bool askerShown = &asker != &window && asker.isVisible();
    return askerShown ? asker.frameGeometry() : ownerScreen(window);
}

// Shows a drawing stretched to the widget; the drawing keeps the rendered pixmaps.
class PictureView : public QWidget {
public:
    PictureView(const content::Drawing& drawing, QWidget* parent)
        : QWidget(parent), drawing_(drawing) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const qreal ratio = devicePixelRatioF();
        painter.drawPixmap(rect(), drawing_.pixmap(content::devicePixels(size(), ratio), ratio));
    }

private:
    const content::Drawing& drawing_;
};

// A raster picture as a drawing, so that it is scaled once per size like the others.
class RasterDrawing : public content::Drawing {
public:
    explicit RasterDrawing(QImage image) : image_(std::move(image)) {}

    QSizeF logicalSize() const override { return image_.size(); }

    void paint(QPainter& painter) const override {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QPointF(0, 0), image_);
    }

private:
    QImage image_;
};

} // namespace

AboutWindow::AboutWindow(UrlOpener opener, const QIcon& icon, const QCursor& handCursor,
                         QWidget* parent)
    : QDialog(parent), opener_(std::move(opener)), emblem_(content::makeSchoolEmblem()),
      logo_(std::make_unique<RasterDrawing>(content::makeMakerLogo())) {
    setWindowTitle(caption());
    setWindowIcon(icon);
    centring_ =
        new WindowCentring(*this, ownerArea, ownerScreen, [this](QSize room) { fit(room); });
    // A fixed dialog border: a title and a close box, nothing to minimise, maximise or resize.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kBackground);
    setPalette(colours);
    setAutoFillBackground(true);

    // Created back to front: each widget lies on top of those made before it.
    auto* makerLogo = new PictureView(*logo_, this);
    makerLogo->setObjectName(QStringLiteral("makerLogo"));
    makerLogo->setToolTip(makerTip() + content::links::kMakerPage.toString());

    auto* emblemGround = new QWidget(this);
    emblemGround->setObjectName(QStringLiteral("emblemGround"));
    QPalette white = emblemGround->palette();
    white.setColor(QPalette::Window, Qt::white);
    emblemGround->setPalette(white);
    emblemGround->setAutoFillBackground(true);

    auto* authorCredit = new QLabel(content::links::authorCredit(), this);
    authorCredit->setObjectName(QStringLiteral("authorCredit"));
    QPalette green = authorCredit->palette();
    green.setColor(QPalette::WindowText, kCreditColour);
    authorCredit->setPalette(green);
    // The name sits on the system's window-background colour (white in the usual scheme, like
    // the square behind it), not on the dialog's dark grey.
    authorCredit->setBackgroundRole(QPalette::Base);
    authorCredit->setForegroundRole(QPalette::WindowText);
    authorCredit->setAutoFillBackground(true);
    authorCredit->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    authorCredit->setWordWrap(true);
    authorCredit->setToolTip(collectionTip() + content::links::authorCreditGenitive());

    auto* schoolEmblem = new PictureView(*emblem_, this);
    schoolEmblem->setObjectName(QStringLiteral("schoolEmblem"));
    schoolEmblem->setToolTip(schoolTip());

    okButton_ = new QPushButton(QCoreApplication::translate("About", "OK"), this);
    okButton_->setObjectName(QStringLiteral("okButton"));
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);

    notice_ = new QPlainTextEdit(this);
    notice_->setObjectName(QStringLiteral("usageNotice"));
    notice_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    notice_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    notice_->setReadOnly(true);
    // Read-only, yet the student may still move through the notice and select it by keyboard.
    notice_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    notice_->setTabChangesFocus(true);

    setTabOrder(okButton_, notice_);

    controls_ = {Control{makerLogo, {4020, 60, 4005, 4005}, 0, false},
                 Control{emblemGround, {60, 60, 4005, 4005}, 0, false},
                 Control{authorCredit, {165, 1260, 3705, 1665}, 24, true},
                 Control{schoolEmblem, {2460, 420, 3195, 3195}, 0, false},
                 Control{okButton_, {3120, 4980, 1935, 315}, 8, false},
                 Control{notice_, {60, 4080, 7995, 795}, 8, false}};
    arrange(zoom_);

    links_ = {Link{schoolEmblem, content::links::kSchoolPage},
              Link{authorCredit, content::links::kProgramCollection},
              Link{makerLogo, content::links::kMakerPage}};
    for (const Link& link : links_) {
        link.widget->setCursor(handCursor);
        link.widget->installEventFilter(this);
    }
}

void AboutWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // A spontaneous show is the window coming back from the task bar, not a new showing.
    if (!event->spontaneous())
        load();
}

void AboutWindow::keyPressEvent(QKeyEvent* event) {
    // No button answers Escape: the window closes only with OK or its close box.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool AboutWindow::eventFilter(QObject* watched, QEvent* event) {
    const auto link = std::find_if(links_.begin(), links_.end(),
                                   [watched](const Link& each) { return each.widget == watched; });
    if (link == links_.end())
        return QDialog::eventFilter(watched, event);

    if (event->type() == QEvent::MouseButtonPress) {
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            pressedLink_ = watched;
    } else if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            // A click is a press and a release on the same link, as with a button.
            const bool clicked = pressedLink_ == watched &&
                                 link->widget->rect().contains(mouse->position().toPoint());
            pressedLink_ = nullptr;
            if (clicked)
                openLink(link->address);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void AboutWindow::arrange(content::Zoom zoom) {
    zoom_ = zoom;
    setFixedSize(zoom.toPixels(kClientWidth), zoom.toPixels(kClientHeight));
    for (const Control& control : controls_) {
        if (control.points > 0)
            control.widget->setFont(
                content::controlFont(control.points * zoom.factor(), control.bold));
        // The author's name keeps its width and grows downwards when it needs more lines.
        QRect place = zoom.toPixels(control.twips);
        if (control.widget->hasHeightForWidth())
            place.setHeight(
                std::max(place.height(), control.widget->heightForWidth(place.width())));
        control.widget->setGeometry(place);
    }
}

void AboutWindow::fit(QSize room) {
    // One factor across and down, so that the window keeps its shape; 1 wherever it fits.
    const double factor = std::min({1.0, room.width() * content::kTwipsPerPixel / kClientWidth,
                                    room.height() * content::kTwipsPerPixel / kClientHeight});
    if (factor > 0 && factor != zoom_.factor())
        arrange(content::Zoom(factor));
}

void AboutWindow::load() {
    centring_->centre();
    // A line break after the notice leaves an empty last line, room to scroll the notice up.
    notice_->setPlainText(content::links::usageNotice() + QStringLiteral("\r\n"));
    okButton_->setFocus();
}

void AboutWindow::openLink(const QUrl& address) const {
    // A link that cannot open (no browser, no network) is not worth bothering the student.
    try {
        opener_(address);
    } catch (...) {
    }
}

} // namespace app
