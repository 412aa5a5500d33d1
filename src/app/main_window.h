#pragma once

#include "app/url_opener.h"

#include <QMainWindow>

class QAction;

namespace model {
class Worksheet;
}

namespace view {
class Board;
}

namespace app {

class AboutWindow;
class MenuBar;
class Zooming;

// The worksheet's window: the board under a menu bar of eight commands. It shows `worksheet`,
// which must outlive it.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(model::Worksheet& worksheet, UrlOpener opener = desktopUrlOpener());

    // The keeping of the work waits for a drag on the board to end.
    view::Board& board() const { return *board_; }

    // Shows the window on its screen at a size that fits there, in the middle of it.
    void showOnScreen();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Closing the window ends the program at once, an ordinary end: nothing is kept.
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenuBar();
    void showHelp();
    void openWorksheetDocument();
    void handIn();
    void showAbout();

    model::Worksheet& worksheet_;
    UrlOpener opener_;
    view::Board* board_ = nullptr;
    MenuBar* menuBar_ = nullptr;
    // The menu commands, left to right; the separator has none.
    QAction* helpAction_ = nullptr;
    QAction* checkAction_ = nullptr;
    QAction* restartAction_ = nullptr;
    QAction* sheetAction_ = nullptr;
    QAction* handInAction_ = nullptr;
    QAction* separatorAction_ = nullptr;
    QAction* aboutAction_ = nullptr;
    QAction* exitAction_ = nullptr;
    Zooming* zooming_ = nullptr;
    // Created on first use and kept; the window owns it as its child.
    AboutWindow* about_ = nullptr;
    bool firstFramePainted_ = false;
};

} // namespace app
