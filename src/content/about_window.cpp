#include "content/about_window.h"

#include "content/fonts.h"
#include "content/links.h"
#include "controls/twips.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>

namespace content {

namespace {

const QString kCaption = QStringLiteral("Παρασκευές οργανικών οξέων, 2014");
const QString kSchoolTip =
    QStringLiteral("κλικ για να συνδεθείτε με την ιστοσελίδα του Λυκείου Φλοκαρίων");
const QString kCollectionTip =
    QStringLiteral("κλικ για να συνδεθείτε με τη συλλογή προγραμμάτων του ");
const QString kMakerTip = QStringLiteral("κλικ για να συνδεθείτε με την ");

// The window and its controls, in twips of the client area.
constexpr int kClientWidth = 8055;
constexpr int kClientHeight = 5325;
const QColor kBackground(0x40, 0x40, 0x40);
const QColor kCreditColour(0x00, 0x80, 0x00);

// The same edges as every other control of the program: each edge rounded on its own.
QRect pixelRect(int left, int top, int width, int height) {
    const int x = controls::toPixels(left);
    const int y = controls::toPixels(top);
    return QRect(x, y, controls::toPixels(left + width) - x, controls::toPixels(top + height) - y);
}

// Shows a drawing stretched to the widget; the drawing keeps the rendered pixmaps.
class PictureView : public QWidget {
public:
    PictureView(const controls::Drawing& drawing, QWidget* parent)
        : QWidget(parent), drawing_(drawing) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.drawPixmap(rect(), drawing_.pixmap(size(), devicePixelRatioF()));
    }

private:
    const controls::Drawing& drawing_;
};

// A raster picture as a drawing, so that it is scaled once per size like the others.
class RasterDrawing : public controls::Drawing {
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

AboutWindow::AboutWindow(controls::UrlOpener opener, const QIcon& icon, const QCursor& handCursor,
                         QWidget* parent)
    : QDialog(parent), opener_(std::move(opener)), emblem_(makeSchoolEmblem()),
      logo_(std::make_unique<RasterDrawing>(makeMakerLogo())) {
    setWindowTitle(kCaption);
    setWindowIcon(icon);
    // On the screen of the window that asked for it, where the student is looking.
    centring_ = new controls::WindowCentring(*this, [](const QWidget& window) {
        const QWidget* owner = window.parentWidget() ? window.parentWidget() : &window;
        return controls::WindowCentring::screenArea(*owner);
    });
    // A fixed dialog border: a title and a close box, nothing to minimise, maximise or resize.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(controls::toPixels(kClientWidth), controls::toPixels(kClientHeight));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kBackground);
    setPalette(colours);
    setAutoFillBackground(true);

    // Created back to front: each widget lies on top of those made before it.
    auto* logo2 = new PictureView(*logo_, this);
    logo2->setObjectName(QStringLiteral("logo2"));
    logo2->setGeometry(pixelRect(4020, 60, 4005, 4005));
    logo2->setToolTip(kMakerTip + links::kMakerPage.toString());

    auto* logo1 = new QWidget(this);
    logo1->setObjectName(QStringLiteral("logo1"));
    logo1->setGeometry(pixelRect(60, 60, 4005, 4005));
    QPalette white = logo1->palette();
    white.setColor(QPalette::Window, Qt::white);
    logo1->setPalette(white);
    logo1->setAutoFillBackground(true);

    auto* label1 = new QLabel(links::kAuthorCredit, this);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setFont(controlFont(24, true));
    QPalette green = label1->palette();
    green.setColor(QPalette::WindowText, kCreditColour);
    label1->setPalette(green);
    // The name sits on the system's window-background colour (white in the usual scheme, like
    // the square behind it), not on the dialog's dark grey.
    label1->setBackgroundRole(QPalette::Base);
    label1->setForegroundRole(QPalette::WindowText);
    label1->setAutoFillBackground(true);
    label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label1->setWordWrap(true);
    label1->setToolTip(kCollectionTip + links::kAuthorCreditGenitive);
    // The name keeps its width and grows downwards when it needs more lines.
    QRect creditArea = pixelRect(165, 1260, 3705, 1665);
    creditArea.setHeight(std::max(creditArea.height(), label1->heightForWidth(creditArea.width())));
    label1->setGeometry(creditArea);

    auto* image1 = new PictureView(*emblem_, this);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setGeometry(pixelRect(2460, 420, 3195, 3195));
    image1->setToolTip(kSchoolTip);

    cmdClose_ = new QPushButton(QStringLiteral("OK"), this);
    cmdClose_->setObjectName(QStringLiteral("cmdClose"));
    cmdClose_->setFont(controlFont(8, false));
    cmdClose_->setGeometry(pixelRect(3120, 4980, 1935, 315));
    connect(cmdClose_, &QPushButton::clicked, this, &QDialog::accept);

    comment_ = new QPlainTextEdit(this);
    comment_->setObjectName(QStringLiteral("Comment"));
    comment_->setFont(controlFont(8, false));
    comment_->setGeometry(pixelRect(60, 4080, 7995, 795));
    comment_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    comment_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    comment_->setReadOnly(true);
    // Read-only, yet the student may still move through the notice and select it by keyboard.
    comment_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    comment_->setTabChangesFocus(true);

    setTabOrder(cmdClose_, comment_);

    links_ = {Link{image1, links::kSchoolPage}, Link{label1, links::kProgramCollection},
              Link{logo2, links::kMakerPage}};
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

void AboutWindow::load() {
    centring_->centre();
    // A line break after the notice leaves an empty last line, room to scroll the notice up.
    comment_->setPlainText(links::kUsageNotice + QStringLiteral("\r\n"));
    cmdClose_->setFocus();
}

void AboutWindow::openLink(const QUrl& address) const {
    // A link that cannot open (no browser, no network) is not worth bothering the student.
    try {
        opener_(address);
    } catch (...) {
    }
}

} // namespace content
