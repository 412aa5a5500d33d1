#include "app/main_window.h"

#include "app/about_window.h"
#include "app/menu_bar.h"
#include "app/worksheet_document_file.h"
#include "app/zooming.h"
#include "assistive/announcer.h"
#include "assistive/blank_stops.h"
#include "assistive/places.h"
#include "content/drawings.h"
#include "content/geometry.h"
#include "content/picture_cache.h"
#include "content/texts.h"
#include "model/worksheet.h"
#include "view/board.h"
#include "view/section_view.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QMenuBar>
#include <QMessageBox>
#include <QMetaObject>
#include <QShortcut>

namespace app {

MainWindow::MainWindow(model::Worksheet& worksheet, UrlOpener opener)
    : worksheet_(worksheet), opener_(std::move(opener)) {
    setWindowTitle(content::texts::kCaption);
    // Minimise and close, and a border the desktop may resize (the worksheet zooms with it); no
    // maximise button, since a maximised window would mostly put white round the worksheet.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    buildMenuBar();
    auto* stage = new Stage(this);
    auto* pictures = new content::PictureCache(content::PictureCache::userFolder(),
                                               content::PictureCache::programEdition(), this);
    board_ = new view::Board(worksheet_, stage, pictures);
    setCentralWidget(stage);
    announcer_ = new assistive::Announcer(board_);
    places_ = new assistive::Places(*board_, *announcer_);
    blankStops_ = new assistive::BlankStops(*board_, *announcer_);
    zooming_ = new Zooming(*this, *stage, *board_, *announcer_);
    resize(board_->size() + QSize(0, menuBar()->sizeHint().height()));

    // The separator item only separates: it has no command.
    connect(helpAction, &QAction::triggered, this, &MainWindow::showHelp);
    connect(checkAction, &QAction::triggered, &worksheet_, [this] { worksheet_.check(); });
    connect(restartAction, &QAction::triggered, &worksheet_, [this] { worksheet_.restart(); });
    connect(sheetAction, &QAction::triggered, this, &MainWindow::openWorksheetDocument);
    connect(aboutAction, &QAction::triggered, this, &MainWindow::showAbout);
    connect(exitAction, &QAction::triggered, this, &QWidget::close);

    board_->installEventFilter(this);
}

// The icon is given only after the first frame, which is flushed to the screen before the event
// loop runs the queued call: the student sees the window sooner.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (!firstFramePainted_ && watched == board_ && event->type() == QEvent::Paint) {
        firstFramePainted_ = true;
        QMetaObject::invokeMethod(
            this, [this] { setWindowIcon(content::windowIcon()); }, Qt::QueuedConnection);
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::buildMenuBar() {
    menuBar_ = new MenuBar(this);
    setMenuBar(menuBar_);
    // Top-level commands only; the captions carry no access keys. F10 reaches them instead.
    helpAction = menuBar_->addAction(content::texts::kMenuHelp);
    checkAction = menuBar_->addAction(content::texts::kMenuCheck);
    restartAction = menuBar_->addAction(content::texts::kMenuRestart);
    sheetAction = menuBar_->addAction(content::texts::kMenuSheet);
    separatorAction = menuBar_->addAction(content::texts::kMenuSeparator);
    aboutAction = menuBar_->addAction(content::texts::kMenuAbout);
    exitAction = menuBar_->addAction(content::texts::kMenuExit);
    menuBar_->setSeparating(separatorAction);
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(f10, &QShortcut::activated, menuBar_, &MenuBar::toggleKeyboard);
}

void MainWindow::showHelp() {
    const auto& lines = content::texts::kHelpLines;
    QMessageBox::information(this, content::texts::kHelpTitle,
                             QStringList(lines.begin(), lines.end()).join(QLatin1Char('\n')));
}

void MainWindow::openWorksheetDocument() {
    const DocumentOpening opening = openDocument(content::Sheet::Worksheet, opener_);
    if (opening.outcome == DocumentOpening::Opened)
        return;
    const QString& text = opening.outcome == DocumentOpening::NotFound
                              ? content::texts::kSheetNotFound
                              : content::texts::kSheetNotOpened;
    QMessageBox box(QMessageBox::Warning, content::texts::kMenuSheet,
                    text.arg(QDir::toNativeSeparators(opening.path)), QMessageBox::Ok, this);
    // The path is there to be copied into a file manager or a PDF viewer.
    box.setTextFormat(Qt::PlainText);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    box.exec();
}

void MainWindow::showAbout() {
    if (!about_)
        about_ = new AboutWindow(opener_, content::windowIcon(), content::handCursor(), this);
    about_->exec();
}

void MainWindow::showOnScreen() {
    zooming_->showOnScreen();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    QApplication::quit();
}

} // namespace app
