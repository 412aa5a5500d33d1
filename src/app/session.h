#pragma once

#include "app/main_window.h"
#include "app/work_keeper.h"
#include "model/worksheet.h"

#include <QString>

namespace app {

// The worksheet, its window and the keeping of its work, as the program starts them: the work a
// run that did not end ordinarily left behind comes back before the window first shows, and the
// program ends ordinarily on the exit command, on closing the window, at a logout and on
// SIGTERM, SIGHUP or SIGINT.
class Session {
public:
    // The work is kept in `folder`.
    explicit Session(const QString& folder = WorkKeeper::userFolder());

    model::Worksheet& worksheet() { return worksheet_; }
    MainWindow& window() { return window_; }

    // Shows the window on its screen. Once it shows, a message tells the student that the work
    // came back, or that what was left could not be read and where its file was put.
    void show();

private:
    void tellWhatWasFound();

    model::Worksheet worksheet_;
    MainWindow window_;
    WorkKeeper keeper_;
    WorkKeeper::Found found_ = WorkKeeper::Found::Nothing;
};

} // namespace app
