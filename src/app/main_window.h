#pragma once

#include "assistive/blank_stops.h"
#include "controls/form.h"
#include "controls/url_opener.h"
#include "controls/window_centring.h"
#include "worksheet/worksheet.h"

#include <QMainWindow>

#include <functional>
#include <memory>
#include <vector>

class QAction;

namespace content {
class AboutWindow;
}

namespace app {

class MenuBar;

// The worksheet's window: a fixed client area under a menu bar of seven commands.
class MainWindow : public QMainWindow {
public:
    explicit MainWindow(controls::UrlOpener opener = controls::desktopUrlOpener());

    controls::Form& form() { return form_; }
    worksheet::Worksheet& worksheet() { return worksheet_; }
    assistive::BlankStops& blankStops() { return *blankStops_; }
    assistive::Announcer& announcer() { return *announcer_; }
    MenuBar& keyboardMenuBar() { return *menuBar_; }

    QAction* mnuHelp = nullptr;
    QAction* mnuCheck = nullptr;
    QAction* mnuRestart = nullptr;
    QAction* mnuSheet = nullptr;
    QAction* mnuVSeperator = nullptr;
    QAction* mnuAbout = nullptr;
    QAction* mnuExit = nullptr;

    // The menu commands.
    void showHelp();
    void check();
    void restart();
    void openWorksheetDocument();
    void showAbout();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Closing the window ends the program at once; nothing is kept.
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenuBar();
    // Does the next piece of the work that the first frame need not wait for.
    void continueAfterFirstFrame();

    controls::UrlOpener opener_;
    controls::Form form_;
    worksheet::Worksheet worksheet_;
    assistive::Announcer* announcer_ = nullptr;
    std::unique_ptr<assistive::BlankStops> blankStops_;
    MenuBar* menuBar_ = nullptr;
    // Created on first use and kept; the window owns it as its child.
    content::AboutWindow* about_ = nullptr;
    // Placed in the middle of the screen when first shown, not again.
    controls::WindowCentring* centring_ = nullptr;
    bool centred_ = false;
    // The pieces of work done once the first frame is on the screen, each in a pass of its own
    // through the event loop, so that input arriving meanwhile waits for one piece at most.
    std::vector<std::function<void()>> afterFirstFrame_;
    bool firstFramePainted_ = false;
};

} // namespace app
