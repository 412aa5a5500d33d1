#include "app/main_window.h"

#include "app/menu_bar.h"
#include "app/wiring.h"
#include "app/worksheet_document_file.h"
#include "content/about_window.h"
#include "content/drawings.h"
#include "content/texts.h"
#include "worksheet/check.h"
#include "worksheet/startup.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QMetaObject>
#include <QShortcut>

#include <algorithm>

namespace app {

MainWindow::MainWindow(controls::UrlOpener opener)
    : opener_(std::move(opener)), form_(content::kClientWidth, content::kClientHeight),
      worksheet_(form_) {
    setWindowTitle(content::texts::kCaption);
    // A fixed single border: minimise and close, never maximise or resize.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    centring_ = new controls::WindowCentring(*this, controls::WindowCentring::availableArea);
    buildMenuBar();
    form_.setBackColor(QColor(Qt::white));
    setCentralWidget(form_.widget());
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    worksheet::loadWorksheet(worksheet_);
    announcer_ = new assistive::Announcer(form_.widget(),
                                          [this](QAccessibleEvent& event) { form_.announce(event); });
    blankStops_ = std::make_unique<assistive::BlankStops>(worksheet_, *announcer_);
    wireEvents(*this);
    form_.router().setSettledHandler(
        [this] { blankStops_->refresh(assistive::BlankStops::Changes::Said); });
    form_.setWidgetsMadeHandler([this] { blankStops_->chainFocus(); });

    // The icon is rendered, the coefficient boxes made and the drawings kept as pixmaps only
    // after the first frame, which paints what it shows straight onto the screen: the student
    // sees the window sooner, and the first drag and the first visit to a section find their
    // drawings ready.
    afterFirstFrame_ = {[this] { setWindowIcon(content::windowIcon()); },
                        [this] { form_.makeDeferredWidgets(); }};
    afterFirstFrame_.push_back([this] {
        for (int compound = 0; compound < model::kCompounds; ++compound)
            worksheet_.ui.ImgMolecular(compound).renderAhead(devicePixelRatioF());
    });
    for (int section = 0; section < model::kSections; ++section) {
        afterFirstFrame_.push_back([this, section] {
            for (int picture = 0; picture < model::kReactions; ++picture) {
                if (model::sectionOfReaction(picture) == section)
                    worksheet_.ui.ImgSyntactic(picture).renderAhead(devicePixelRatioF());
            }
        });
    }
    std::reverse(afterFirstFrame_.begin(), afterFirstFrame_.end());
    form_.widget()->installEventFilter(this);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // This paint is part of the first frame, which is flushed to the screen before the event
    // loop runs the queued call.
    if (!firstFramePainted_ && watched == form_.widget() && event->type() == QEvent::Paint) {
        firstFramePainted_ = true;
        QMetaObject::invokeMethod(this, &MainWindow::continueAfterFirstFrame, Qt::QueuedConnection);
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::continueAfterFirstFrame() {
    if (afterFirstFrame_.empty())
        return;
    const std::function<void()> next = std::move(afterFirstFrame_.back());
    afterFirstFrame_.pop_back();
    next();
    if (!afterFirstFrame_.empty())
        QMetaObject::invokeMethod(this, &MainWindow::continueAfterFirstFrame, Qt::QueuedConnection);
}

void MainWindow::buildMenuBar() {
    menuBar_ = new MenuBar(this);
    setMenuBar(menuBar_);
    QMenuBar* bar = menuBar_;
    // Top-level commands only; the captions carry no access keys. F10 reaches them instead.
    mnuHelp = bar->addAction(content::texts::kMenuHelp);
    mnuCheck = bar->addAction(content::texts::kMenuCheck);
    mnuRestart = bar->addAction(content::texts::kMenuRestart);
    mnuSheet = bar->addAction(content::texts::kMenuSheet);
    mnuVSeperator = bar->addAction(content::texts::kMenuSeparator);
    mnuAbout = bar->addAction(content::texts::kMenuAbout);
    mnuExit = bar->addAction(content::texts::kMenuExit);
    menuBar_->setSeparating(mnuVSeperator);
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(f10, &QShortcut::activated, menuBar_, &MenuBar::toggleKeyboard);
}

// The grade must be heard wherever the focus was: the focus goes to it, the one event every
// screen reader speaks.
void MainWindow::check() {
    const model::Marking marking = worksheet::check(worksheet_);
    blankStops_->refresh();
    blankStops_->announceCheck(marking);
}

void MainWindow::restart() {
    worksheet::restart(worksheet_);
    blankStops_->refresh();
    blankStops_->afterRestart();
}

void MainWindow::showHelp() {
    const auto& lines = content::texts::kHelpLines;
    QMessageBox::information(this, content::texts::kHelpTitle,
                             lines[0] + QLatin1Char('\n') + lines[1] + QLatin1Char('\n') +
                                 lines[2]);
}

// Whatever goes wrong in finding, writing or opening the document is no concern of the
// worksheet's.
void MainWindow::openWorksheetDocument() {
    try {
        const QString file = worksheetDocumentFile();
        if (!file.isEmpty())
            opener_(QUrl::fromLocalFile(file));
    } catch (...) {
    }
}

void MainWindow::showAbout() {
    if (!about_)
        about_ =
            new content::AboutWindow(opener_, content::windowIcon(), content::handCursor(), this);
    about_->exec();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (centred_)
        return;
    centred_ = true;
    centring_->centre();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    QApplication::quit();
}

} // namespace app
