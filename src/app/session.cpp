#include "app/session.h"

#include "app/termination.h"
#include "content/drawings.h"
#include "content/texts.h"

#include <QDir>
#include <QMessageBox>
#include <QMetaObject>

namespace app {

Session::Session(const QString& folder)
    : window_(worksheet_), keeper_(worksheet_, window_.board(), folder) {
    quitOnTerminationSignals();
    found_ = keeper_.takeUp();
}

void Session::show() {
    window_.showOnScreen();
    if (found_ != WorkKeeper::Found::Nothing)
        QMetaObject::invokeMethod(
            &window_, [this] { tellWhatWasFound(); }, Qt::QueuedConnection);
}

// The focus is on the worksheet already, where the message hands it back: on the first blank.
// The message comes before the window's icon, which waits for the first frame; it takes the icon
// itself, as every other window of the program shows it.
void Session::tellWhatWasFound() {
    const bool work = found_ == WorkKeeper::Found::Work;
    QMessageBox box(
        work ? QMessageBox::Information : QMessageBox::Warning, content::texts::caption(),
        work ? content::texts::workTakenUp()
             : content::texts::workUnreadable().arg(QDir::toNativeSeparators(keeper_.setAside())),
        QMessageBox::Ok, &window_);
    box.setWindowIcon(content::windowIcon());
    if (!work) {
        // The path is there to be copied into a file manager.
        box.setTextFormat(Qt::PlainText);
        box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    box.exec();
}

} // namespace app
