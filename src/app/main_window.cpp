#include "app/main_window.h"

#include "app/menu_bar.h"
#include "content/about_window.h"
#include "content/drawings.h"
#include "content/links.h"
#include "content/texts.h"
#include "dragging/palette.h"
#include "dragging/placed.h"
#include "dragging/tracking.h"
#include "layout/sections.h"
#include "placement/box_drop.h"
#include "placement/drag_feedback.h"
#include "placement/reaction_drop.h"
#include "worksheet/check.h"
#include "worksheet/startup.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QShortcut>

namespace app {

MainWindow::MainWindow(controls::UrlOpener opener)
    : opener_(std::move(opener)), form_(content::kClientWidth, content::kClientHeight),
      worksheet_(form_) {
    setWindowTitle(content::texts::kCaption);
    setWindowIcon(content::windowIcon());
    // A fixed single border: minimise and close, never maximise or resize.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    centring_ = new controls::WindowCentring(*this, controls::WindowCentring::availableArea);
    buildMenuBar();
    form_.setBackColor(QColor(Qt::white));
    setCentralWidget(form_.widget());
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    worksheet::Form_Load(worksheet_);
    blankStops_ = std::make_unique<assistive::BlankStops>(worksheet_);
    wireEvents();
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
    menuBar_->skipWithKeyboard(mnuVSeperator);
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(f10, &QShortcut::activated, menuBar_, &MenuBar::toggleKeyboard);
}

void MainWindow::wireEvents() {
    using controls::Control;
    using controls::DragState;
    worksheet::Worksheet& ws = worksheet_;
    auto& form = ws.ui.Form1;

    auto& scroll = ws.ui.VScroll1.handlers();
    scroll.change = [&ws](int) { layout::VScroll1_Change(ws); };
    scroll.scroll = [&ws](int) { layout::VScroll1_Scroll(ws); };
    scroll.dragOver = [&ws](int, Control&, float, float, DragState) {
        dragging::VScroll1_DragOver(ws);
    };
    scroll.dragDrop = [&ws](int, Control&, float, float) { dragging::VScroll1_DragDrop(ws); };

    auto& cards = form.set("ImgMolecular").handlers();
    cards.mouseDown = [&ws](int i, const controls::MouseEventArgs&) {
        dragging::ImgMolecular_MouseDown(ws, i);
    };
    cards.mouseMove = [&ws](int i, const controls::MouseEventArgs&) {
        dragging::ImgMolecular_MouseMove(ws, i);
    };
    cards.mouseUp = [&ws](int i, const controls::MouseEventArgs&) {
        dragging::ImgMolecular_MouseUp(ws, i);
    };
    cards.dragOver = [&ws](int i, Control& source, float x, float y, DragState) {
        dragging::ImgMolecular_DragOver(ws, i, source, x, y);
    };
    cards.dragDrop = [&ws](int i, Control&, float, float) {
        dragging::ImgMolecular_DragDrop(ws, i);
    };

    for (int section = 0; section < content::kSections; ++section) {
        auto& twins = ws.ui.sectionTwinSet(section).handlers();
        twins.doubleClick = [&ws, section](int i) {
            dragging::ImgMolecularSection_DblClick(ws, section, i);
        };
        twins.dragDrop = [&ws, section](int i, Control&, float, float) {
            dragging::ImgMolecularSection_DragDrop(ws, section, i);
        };
        twins.dragOver = [&ws, section](int i, Control& source, float x, float y, DragState) {
            dragging::ImgMolecularSection_DragOver(ws, section, i, source, x, y);
        };
        twins.mouseMove = [&ws, section](int i, const controls::MouseEventArgs&) {
            dragging::ImgMolecularSection_MouseMove(ws, section, i);
        };
    }
    auto& viewportTwins = form.set("ImgMolecular00").handlers();
    viewportTwins.dragOver = [&ws](int i, Control& source, float x, float y, DragState) {
        dragging::ImgMolecular00_DragOver(ws, i, source, x, y);
    };
    viewportTwins.dragDrop = [&ws](int i, Control&, float, float) {
        dragging::ImgMolecular00_DragDrop(ws, i);
    };

    auto& reactions = form.set("ImgSyntactic").handlers();
    reactions.dragOver = [&ws](int i, Control& source, float x, float y, DragState) {
        placement::ImgSyntactic_DragOver(ws, i, source, x, y);
    };
    reactions.dragDrop = [&ws](int i, Control& source, float x, float y) {
        placement::ImgSyntactic_DragDrop(ws, i, source, x, y);
    };
    auto& boxes = form.set("tCoefficient").handlers();
    boxes.dragOver = [&ws](int i, Control& source, float x, float y, DragState) {
        placement::tCoefficient_DragOver(ws, i, source, x, y);
    };
    boxes.dragDrop = [&ws](int i, Control& source, float, float) {
        placement::tCoefficient_DragDrop(ws, i, source);
    };

    const auto toBackground = [&ws](int, Control&, float, float) {
        dragging::Background_DragDrop(ws);
    };
    auto& background = form.set("Form").handlers();
    background.dragOver = [&ws](int, Control& source, float x, float y, DragState) {
        dragging::Form_DragOver(ws, source, x, y);
    };
    background.dragDrop = toBackground;
    auto& viewport = form.set("PicContainer").handlers();
    viewport.dragOver = [&ws](int, Control& source, float x, float y, DragState) {
        dragging::PicContainer_DragOver(ws, source, x, y);
    };
    viewport.dragDrop = toBackground;
    auto& sections = form.set("Pic").handlers();
    sections.dragOver = [&ws](int i, Control& source, float x, float y, DragState) {
        dragging::Pic_DragOver(ws, i, source, x, y);
    };
    sections.dragDrop = toBackground;
    auto& titles = form.set("cTitle").handlers();
    titles.dragOver = [&ws](int i, Control& source, float x, float y, DragState) {
        dragging::cTitle_DragOver(ws, i, source, x, y);
    };
    titles.dragDrop = toBackground;
    auto& notes = form.set("Label1").handlers();
    notes.dragOver = [&ws](int i, Control& source, float x, float y, DragState) {
        dragging::Label1_DragOver(ws, i, source, x, y);
    };
    notes.dragDrop = toBackground;

    // The separator item only separates: it has no command.
    connect(mnuHelp, &QAction::triggered, this, &MainWindow::mnuHelp_Click);
    connect(mnuSheet, &QAction::triggered, this, &MainWindow::mnuSheet_Click);
    connect(mnuAbout, &QAction::triggered, this, &MainWindow::mnuAbout_Click);
    connect(mnuCheck, &QAction::triggered, this, &MainWindow::check);
    connect(mnuRestart, &QAction::triggered, this, &MainWindow::restart);
    form.router().setSettledHandler([this] { blankStops_->refresh(); });
    connect(mnuExit, &QAction::triggered, this, &QWidget::close);
}

void MainWindow::check() {
    worksheet::mnuCheck_Click(worksheet_);
    blankStops_->refresh();
    // The grade must be heard wherever the focus is.
    worksheet_.ui.LGrade.notifyAccessibility(QAccessible::Alert);
}

void MainWindow::restart() {
    worksheet::mnuRestart_Click(worksheet_);
    blankStops_->refresh();
}

void MainWindow::mnuHelp_Click() {
    const auto& lines = content::texts::kHelpLines;
    QMessageBox::information(this, content::texts::kHelpTitle,
                             lines[0] + QLatin1Char('\n') + lines[1] + QLatin1Char('\n') +
                                 lines[2]);
}

// Whatever goes wrong in opening the document is no concern of the worksheet's.
void MainWindow::mnuSheet_Click() {
    try {
        opener_(content::links::kWorksheetDocument);
    } catch (...) {
    }
}

void MainWindow::mnuAbout_Click() {
    if (!about_)
        about_ = new content::AboutWindow(opener_, windowIcon(), content::handCursor(), this);
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
