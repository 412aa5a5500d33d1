#pragma once

#include "controls/form.h"

#include <QMainWindow>

class QAction;

namespace app {

// The worksheet's window: a fixed client area under a menu bar of seven commands.
class MainWindow : public QMainWindow {
public:
    MainWindow();

    controls::Form& form() { return form_; }

    QAction* mnuHelp = nullptr;
    QAction* mnuCheck = nullptr;
    QAction* mnuRestart = nullptr;
    QAction* mnuSheet = nullptr;
    QAction* mnuVSeperator = nullptr;
    QAction* mnuAbout = nullptr;
    QAction* mnuExit = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    controls::Form form_;
    bool centred_ = false;
};

} // namespace app
