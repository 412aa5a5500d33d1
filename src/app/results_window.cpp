#include "app/results_window.h"

#include "app/path_message.h"
#include "app/results_table.h"
#include "app/window_centring.h"
#include "content/drawings.h"
#include "content/results_texts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace app {

namespace {

namespace texts = content::results;

constexpr int kSettlingMilliseconds = 500;
// In characters.
constexpr int kWidestColumn = 40;

// The folder's own name, or its path where it has none (the root).
QString folderName(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    return name.isEmpty() ? QDir::toNativeSeparators(path) : name;
}

} // namespace

ResultsWindow::ResultsWindow(ResultsFolder folder, UrlOpener opener)
    : folder_(std::move(folder)), opener_(std::move(opener)) {
    setWindowTitle(texts::caption().arg(folderName(folder_.path())));
    setWindowIcon(content::windowIcon());

    auto* where = new QLabel(texts::folder().arg(QDir::toNativeSeparators(folder_.path())));
    where->setTextFormat(Qt::PlainText);
    where->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A long path is cut at the window's edge rather than widening it.
    where->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    search_ = new QLineEdit;
    search_->setPlaceholderText(texts::searchHint());
    search_->setAccessibleName(texts::searchName());
    search_->setClearButtonEnabled(true);
    auto* searchLabel = new QLabel(texts::search());
    searchLabel->setBuddy(search_);

    sortColumn_ = new QComboBox;
    descending_ = new QCheckBox(texts::descending());
    auto* sortLabel = new QLabel(texts::sortBy());
    sortLabel->setBuddy(sortColumn_);

    table_ = new ResultsTable(this);
    order_ = new ResultsOrder(this);
    order_->setSourceModel(table_);
    view_ = new QTableView;
    view_->setModel(order_);
    view_->setAccessibleName(texts::tableName());
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setTabKeyNavigation(false);
    view_->setWordWrap(false);
    view_->verticalHeader()->hide();
    // Rows as close as the text allows, so that a class fits on the screen.
    view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() * 3 / 2);
    view_->horizontalHeader()->setSortIndicator(order_->sortColumn(), order_->sortOrder());
    view_->horizontalHeader()->setSortIndicatorShown(true);
    view_->setSortingEnabled(true);
    // The name's column says which rows are not hand-ins.
    view_->setColumnHidden(ResultsTable::Status, true);
    for (int column = 0; column < ResultsTable::ColumnCount; ++column) {
        if (!view_->isColumnHidden(column))
            sortColumn_->addItem(table_->headerData(column, Qt::Horizontal).toString(), column);
    }
    const auto showOrder = [this](int column, Qt::SortOrder order) {
        const QSignalBlocker columnQuiet(sortColumn_);
        const QSignalBlocker orderQuiet(descending_);
        sortColumn_->setCurrentIndex(sortColumn_->findData(column));
        descending_->setChecked(order == Qt::DescendingOrder);
    };
    showOrder(order_->sortColumn(), order_->sortOrder());
    connect(view_->horizontalHeader(), &QHeaderView::sortIndicatorChanged, this, showOrder);
    connect(sortColumn_, &QComboBox::currentIndexChanged, this, &ResultsWindow::sortAsChosen);
    connect(descending_, &QCheckBox::toggled, this, &ResultsWindow::sortAsChosen);

    counts_ = new QLabel;
    counts_->setTextFormat(Qt::PlainText);
    counts_->setWordWrap(true);
    openButton_ = new QPushButton(texts::openPage());
    auto* save = new QPushButton(texts::saveCsv());
    auto* refresh = new QPushButton(texts::refresh());
    connect(new QShortcut(QKeySequence(Qt::Key_F5), this), &QShortcut::activated, this,
            &ResultsWindow::refresh);
    connect(new QShortcut(QKeySequence(QKeySequence::Save), this), &QShortcut::activated, this,
            &ResultsWindow::saveCsv);
    connect(new QShortcut(QKeySequence(QKeySequence::Find), this), &QShortcut::activated, search_,
            [this] {
                search_->setFocus(Qt::ShortcutFocusReason);
                search_->selectAll();
            });

    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(searchLabel);
    searchRow->addWidget(search_, 1);
    searchRow->addWidget(sortLabel);
    searchRow->addWidget(sortColumn_);
    searchRow->addWidget(descending_);
    auto* commands = new QHBoxLayout;
    commands->addWidget(counts_, 1);
    commands->addWidget(openButton_);
    commands->addWidget(save);
    commands->addWidget(refresh);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(where);
    layout->addLayout(searchRow);
    layout->addWidget(view_, 1);
    layout->addLayout(commands);
    setTabOrder(search_, sortColumn_);
    setTabOrder(sortColumn_, descending_);
    setTabOrder(descending_, view_);
    setTabOrder(view_, openButton_);
    setTabOrder(openButton_, save);
    setTabOrder(save, refresh);

    connect(search_, &QLineEdit::textChanged, this, [this](const QString& text) {
        order_->setSearch(text);
        showCounts();
    });
    connect(view_, &QAbstractItemView::activated, this, &ResultsWindow::openPage);
    connect(openButton_, &QPushButton::clicked, this, &ResultsWindow::openPage);
    connect(save, &QPushButton::clicked, this, &ResultsWindow::saveCsv);
    connect(refresh, &QPushButton::clicked, this, &ResultsWindow::refresh);
    connect(view_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                openButton_->setEnabled(
                    current.isValid() &&
                    !table_->entry(order_->mapToSource(current).row()).pdf.isEmpty());
            });

    settling_ = new QTimer(this);
    settling_->setSingleShot(true);
    settling_->setInterval(kSettlingMilliseconds);
    connect(settling_, &QTimer::timeout, this, &ResultsWindow::refresh);
    watcher_ = new QFileSystemWatcher(QStringList{folder_.path()}, this);
    connect(watcher_, &QFileSystemWatcher::directoryChanged, settling_,
            qOverload<>(&QTimer::start));

    load();
    view_->setFocus();
}

void ResultsWindow::load() {
    const QModelIndex current = order_->mapToSource(view_->currentIndex());
    const QString currentFile =
        current.isValid() ? table_->entry(current.row()).fileName : QString();
    const int scrolled = view_->verticalScrollBar()->value();

    table_->setEntries(folder_.entries());
    if (!fitted_ && table_->rowCount() > 0) {
        view_->resizeColumnsToContents();
        // A name of thousands of letters is cut short rather than pushing every other column
        // out of sight.
        const int widest = view_->fontMetrics().averageCharWidth() * kWidestColumn;
        for (int column = 0; column < ResultsTable::ColumnCount; ++column)
            view_->setColumnWidth(column, std::min(view_->columnWidth(column), widest));
        fitted_ = true;
    }
    for (int row = 0; row < table_->rowCount(); ++row) {
        if (table_->entry(row).fileName != currentFile)
            continue;
        const QModelIndex found = order_->mapFromSource(table_->index(row, 0));
        view_->selectionModel()->setCurrentIndex(found, QItemSelectionModel::ClearAndSelect |
                                                            QItemSelectionModel::Rows);
        break;
    }
    view_->verticalScrollBar()->setValue(scrolled);
    // The keys start on the first row, which is selected, as the teacher sees.
    if (!view_->currentIndex().isValid())
        view_->selectionModel()->setCurrentIndex(order_->index(0, ResultsTable::Name),
                                                 QItemSelectionModel::ClearAndSelect |
                                                     QItemSelectionModel::Rows);
    if (!view_->currentIndex().isValid())
        openButton_->setEnabled(false);
    showCounts();
}

void ResultsWindow::sortAsChosen() {
    view_->sortByColumn(sortColumn_->currentData().toInt(),
                        descending_->isChecked() ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void ResultsWindow::refresh() {
    folderRead_ = folder_.read() == ResultsFolder::Failure::None;
    if (!folderRead_) {
        showCounts();
        return;
    }
    // A folder removed and made again is another one to the system, which no longer watches it.
    if (!watcher_->directories().contains(folder_.path()))
        watcher_->addPath(folder_.path());
    load();
}

void ResultsWindow::showCounts() {
    QStringList parts{texts::handInCount().arg(table_->handIns())};
    if (table_->unreadable() > 0)
        parts << texts::unreadableCount().arg(table_->unreadable());
    if (order_->rowCount() != table_->rowCount())
        parts << texts::shownCount().arg(order_->rowCount());
    if (!folderRead_)
        parts << texts::folderNotRead().arg(QDir::toNativeSeparators(folder_.path()));
    counts_->setText(parts.join(QStringLiteral(" · ")));
}

void ResultsWindow::openPage() {
    const QModelIndex current = view_->currentIndex();
    if (!current.isValid())
        return;
    const QString page = table_->entry(order_->mapToSource(current).row()).pdf;
    if (page.isEmpty())
        return;
    if (!QFileInfo(page).isFile()) {
        warn(texts::pageNotFound().arg(QDir::toNativeSeparators(page)));
        return;
    }
    bool opened = false;
    try {
        opened = opener_(QUrl::fromLocalFile(page));
    } catch (...) {
    }
    if (!opened)
        warn(texts::pageNotOpened().arg(QDir::toNativeSeparators(page)));
}

void ResultsWindow::saveCsv() {
    QFileDialog dialog(this, texts::saveCsvTitle());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(texts::csvFiles());
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    // Not into the folder of hand-ins, where it would be one more file that is not a hand-in,
    // but among the teacher's documents, or at home where there is no such folder.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    dialog.setDirectory(QFileInfo(documents).isDir() ? documents : QDir::homePath());
    dialog.selectFile(folderName(folder_.path()) + QStringLiteral(".csv"));
    // Qt's own dialog is made for a larger screen than a small or zoomed one.
    dialog.resize(
        dialog.sizeHint().boundedTo(WindowCentring::availableArea(*this).size() * 9 / 10));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().constFirst();
    // With a byte order mark, by which spreadsheets know the Greek letters for UTF-8.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write("\xEF\xBB\xBF") < 0 ||
        file.write(csvOf(*order_)) < 0 || !file.commit())
        warn(texts::notSaved().arg(QDir::toNativeSeparators(path)));
}

void ResultsWindow::warn(const QString& text) {
    showPathMessage(this, QMessageBox::Warning, windowTitle(), text);
}

void ResultsWindow::showOnScreen() {
    const QRect area = WindowCentring::availableArea(*this);
    const int tableWidth = view_->horizontalHeader()->length() + 2 * view_->frameWidth() +
                           view_->verticalScrollBar()->sizeHint().width();
    const QMargins margins = layout()->contentsMargins();
    QSize size(tableWidth + margins.left() + margins.right(), area.height() * 3 / 4);
    // Room left round the window for its frame and the desktop's edges.
    size = size.expandedTo(sizeHint()).boundedTo(area.size() * 9 / 10);
    QRect placed(QPoint(), size);
    placed.moveCenter(area.center());
    setGeometry(placed);
    show();
}

} // namespace app
