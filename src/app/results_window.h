#pragma once

#include "app/results_folder.h"
#include "app/url_opener.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QFileSystemWatcher;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QTimer;

namespace app {

class ResultsOrder;
class ResultsTable;

// The teacher's table: every hand-in in a folder, and the files there that are not one. The
// table is ordered by any column, with a click on its head or from the keys, and narrowed by a
// search on the name and the class; a row's
// double-click or Enter opens the student's page with `opener`; the table is saved as CSV; the
// folder is read again as files arrive in it, and with F5.
class ResultsWindow : public QWidget {
    Q_OBJECT

public:
    // `folder` as read already, which the window reads again as it changes.
    explicit ResultsWindow(ResultsFolder folder, UrlOpener opener = desktopUrlOpener());

    // Shows the window in the middle of its screen, as wide as the table where that fits.
    void showOnScreen();

    // Reads the folder again; the row that was current stays current.
    void refresh();

private:
    void load();
    void sortAsChosen();
    void showCounts();
    void openPage();
    void saveCsv();
    void warn(const QString& text);

    ResultsFolder folder_;
    UrlOpener opener_;
    ResultsTable* table_ = nullptr;
    ResultsOrder* order_ = nullptr;
    QTableView* view_ = nullptr;
    QLineEdit* search_ = nullptr;
    // The order the header shows, which the keys reach here.
    QComboBox* sortColumn_ = nullptr;
    QCheckBox* descending_ = nullptr;
    QLabel* counts_ = nullptr;
    QPushButton* openButton_ = nullptr;
    QFileSystemWatcher* watcher_ = nullptr;
    // Files arrive in bursts, a page and its record, so the folder is read once they pause.
    QTimer* settling_ = nullptr;
    // The columns are fitted to the first rows read, and then left as the teacher sets them.
    bool fitted_ = false;
    // Whether the last reading of the folder succeeded; the table shows the last that did.
    bool folderRead_ = true;
};

} // namespace app
