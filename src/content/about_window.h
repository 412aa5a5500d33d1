#pragma once

#include "content/drawing.h"
#include "content/url_opener.h"
#include "content/window_centring.h"

#include <QCursor>
#include <QDialog>
#include <QIcon>
#include <QImage>
#include <QUrl>

#include <array>
#include <memory>

class QPlainTextEdit;
class QPushButton;

namespace content {

// The school's round emblem in dark red, drawn in twips on a square 3197 wide.
std::unique_ptr<Drawing> makeSchoolEmblem();

// The maker's logo: a square colour picture 960 pixels wide.
QImage makeMakerLogo();

// The About window: the worksheet's title, the school's emblem, the author, the maker's logo and
// the usage notice. Its owner creates it once and shows it modally with exec() as often as
// asked; every showing loads it afresh, centred on the screen with "OK" holding the focus.
class AboutWindow : public QDialog {
public:
    // `opener` opens the three links; `icon` is the main window's icon and `handCursor` the
    // pointer shown over the links. Pass the main window as `parent`, so that the dialog stays
    // off the task bar and above it.
    AboutWindow(UrlOpener opener, const QIcon& icon, const QCursor& handCursor,
                QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Link {
        QWidget* widget;
        QUrl address;
    };

    void load();
    void openLink(const QUrl& address) const;

    UrlOpener opener_;
    std::unique_ptr<Drawing> emblem_;
    std::unique_ptr<Drawing> logo_;
    WindowCentring* centring_ = nullptr;
    QPlainTextEdit* notice_ = nullptr;
    QPushButton* okButton_ = nullptr;
    std::array<Link, 3> links_{};
    const QObject* pressedLink_ = nullptr;
};

} // namespace content
