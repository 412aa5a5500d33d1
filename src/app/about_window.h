#pragma once

#include "app/url_opener.h"
#include "app/window_centring.h"
#include "content/drawing.h"
#include "content/geometry.h"

#include <QCursor>
#include <QDialog>
#include <QIcon>
#include <QUrl>

#include <array>
#include <memory>

class QPlainTextEdit;
class QPushButton;

namespace app {

// The About window: the worksheet's title, the school's emblem, the author, the maker's logo and
// the usage notice. Its owner creates it once and shows it modally with exec() as often as
// asked; every showing loads it afresh with "OK" holding the focus, centred on its owner (on the
// screen when the owner is not shown) and wholly within the screen's free area, smaller in
// proportion where it would not fit there at full size.
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
    // A control, where it lies in twips and the size of its text in points (0: no text of its
    // own).
    struct Control {
        QWidget* widget;
        model::Rect twips;
        qreal points;
        bool bold;
    };

    void arrange(content::Zoom zoom);
    void fit(QSize room);
    void load();
    void openLink(const QUrl& address) const;

    UrlOpener opener_;
    std::unique_ptr<content::Drawing> emblem_;
    std::unique_ptr<content::Drawing> logo_;
    WindowCentring* centring_ = nullptr;
    content::Zoom zoom_;
    std::array<Control, 6> controls_{};
    QPlainTextEdit* notice_ = nullptr;
    QPushButton* okButton_ = nullptr;
    std::array<Link, 3> links_{};
    const QObject* pressedLink_ = nullptr;
};

} // namespace app
