#include "app/session.h"

#include "app/termination.h"
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
void Session::tellWhatWasFound() {
    if (found_ == WorkKeeper::Found::Work) {
        QMessageBox::information(&window_, content::texts::caption(),
                                 content::texts::workTakenUp());
        return;
    }
    QMessageBox box(
        QMessageBox::Warning, content::texts::caption(),
        content::texts::workUnreadable().arg(QDir::toNativeSeparators(keeper_.setAside())),
        QMessageBox::Ok, &window_);
    // The path is there to be copied into a file manager.
    box.setTextFormat(Qt::PlainText);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    box.exec();
}

} // namespace app
