#include "app/main_window.h"

#include "content/texts.h"

#include <QLayout>
#include <QMenuBar>
#include <QScreen>

namespace app {

namespace {

constexpr float kClientWidth = 13725;
constexpr float kClientHeight = 8220;

} // namespace

MainWindow::MainWindow() : form_(kClientWidth, kClientHeight) {
    setWindowTitle(content::texts::kCaption);
    // A fixed single border: minimise and close, never maximise or resize.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

    QMenuBar* bar = menuBar();
    // Top-level commands only; the captions carry no access keys.
    mnuHelp = bar->addAction(content::texts::kMenuHelp);
    mnuCheck = bar->addAction(content::texts::kMenuCheck);
    mnuRestart = bar->addAction(content::texts::kMenuRestart);
    mnuSheet = bar->addAction(content::texts::kMenuSheet);
    mnuVSeperator = bar->addAction(content::texts::kMenuSeparator);
    mnuAbout = bar->addAction(content::texts::kMenuAbout);
    mnuExit = bar->addAction(content::texts::kMenuExit);

    form_.setBackColor(QColor(Qt::white));
    setCentralWidget(form_.widget());
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (centred_)
        return;
    centred_ = true;
    if (const QScreen* screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

} // namespace app
