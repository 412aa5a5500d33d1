#include "app/main_window.h"

#include "app/about_window.h"
#include "app/hand_in_dialog.h"
#include "app/language_setting.h"
#include "app/menu_bar.h"
#include "app/path_message.h"
#include "app/worksheet_document_file.h"
#include "app/zooming.h"
#include "assistive/accessible.h"
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
#include <QPushButton>
#include <QShortcut>

namespace app {

MainWindow::MainWindow(model::Worksheet& worksheet, UrlOpener opener)
    : worksheet_(worksheet), opener_(std::move(opener)) {
    assistive::installAccessibleFactories();
    setWindowTitle(content::texts::caption());
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
    auto* announcer = new assistive::Announcer(board_);
    // The board owns what a screen reader finds on it and its keyboard stops.
    new assistive::Places(*board_);
    new assistive::BlankStops(*board_, *announcer);
    zooming_ = new Zooming(*this, *stage, *board_, *announcer);
    resize(board_->size() + QSize(0, menuBar()->sizeHint().height()));

    // The separator item only separates: it has no command.
    connect(helpAction_, &QAction::triggered, this, &MainWindow::showHelp);
    connect(checkAction_, &QAction::triggered, &worksheet_, [this] { worksheet_.check(); });
    connect(restartAction_, &QAction::triggered, &worksheet_, [this] { worksheet_.restart(); });
    connect(sheetAction_, &QAction::triggered, this, &MainWindow::openWorksheetDocument);
    connect(handInAction_, &QAction::triggered, this, &MainWindow::handIn);
    connect(aboutAction_, &QAction::triggered, this, &MainWindow::showAbout);
    connect(exitAction_, &QAction::triggered, this, &QWidget::close);

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
    helpAction_ = menuBar_->addAction(content::texts::menuHelp());
    checkAction_ = menuBar_->addAction(content::texts::menuCheck());
    restartAction_ = menuBar_->addAction(content::texts::menuRestart());
    sheetAction_ = menuBar_->addAction(content::texts::menuSheet());
    handInAction_ = menuBar_->addAction(content::texts::menuHandIn());
    separatorAction_ = menuBar_->addAction(content::texts::kMenuSeparator);
    aboutAction_ = menuBar_->addAction(content::texts::menuAbout());
    exitAction_ = menuBar_->addAction(content::texts::menuExit());
    menuBar_->setSeparating(separatorAction_);
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(f10, &QShortcut::activated, menuBar_, &MenuBar::toggleKeyboard);
}

void MainWindow::showHelp() {
    const auto& lines = content::texts::helpLines();
    QMessageBox box(QMessageBox::Information, content::texts::helpTitle(),
                    QStringList(lines.begin(), lines.end()).join(QLatin1Char('\n')),
                    QMessageBox::Ok, this);
    // The other language, named in its own words, where a student who does not read this one
    // looks first: in the help.
    const content::Language other = content::currentLanguage() == content::Language::Greek
                                        ? content::Language::English
                                        : content::Language::Greek;
    QPushButton* language =
        box.addButton(content::texts::languageButton(other), QMessageBox::ActionRole);
    // Escape and the close box still answer as OK, as when OK was the box's only button.
    box.setEscapeButton(QMessageBox::Ok);
    box.exec();
    if (box.clickedButton() != language)
        return;
    saveLanguage(other);
    // The drawings and the pictures were made in this run's language: the change waits for the
    // next start, and the student is told so in both languages.
    QMessageBox::information(this, content::texts::helpTitle(),
                             content::texts::languageNextStart());
}

void MainWindow::openWorksheetDocument() {
    const DocumentOpening opening = openDocument(content::Sheet::Worksheet, opener_);
    if (opening.outcome == DocumentOpening::Opened)
        return;
    const QString& text = opening.outcome == DocumentOpening::NotFound
                              ? content::texts::sheetNotFound()
                              : content::texts::sheetNotOpened();
    showPathMessage(this, QMessageBox::Warning, content::texts::menuSheet(),
                    text.arg(QDir::toNativeSeparators(opening.path)));
}

void MainWindow::handIn() {
    HandInDialog dialog(worksheet_, this);
    dialog.exec();
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
