// The teacher's table of hand-ins, driven offscreen as a teacher drives it: ordered by a column's
// head, narrowed by the search, a student's page opened with a double-click or Enter, the table
// saved as CSV, and hand-ins arriving while it is open.
#include "app/results_folder.h"
#include "app/results_window.h"
#include "content/language.h"
#include "model/hand_in.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <stdexcept>

namespace {

// The table's columns as the teacher reads them, left to right.
enum Column { Name, Class, HandedIn, Grade, Section1 };

struct Student {
    const char* name;
    const char* schoolClass;
    // How many of the first blanks hold their answer; the grade follows from the marking.
    int rightBlanks;
    int minutesAgo;
};

// Blanks filled from the first: the marking of the worksheet's own answers gives the grade.
model::HandIn workOf(const Student& student) {
    model::HandIn work;
    work.id = QUuid::createUuid();
    work.name = QString::fromUtf8(student.name);
    work.schoolClass = QString::fromUtf8(student.schoolClass);
    work.account = QStringLiteral("student");
    work.handedIn = QDateTime::currentDateTime().addSecs(-60 * student.minutesAgo);
    work.seconds = 1500;
    work.checks = 2;
    work.blanks.fill(model::kNone);
    for (int blank = 0; blank < student.rightBlanks; ++blank)
        work.blanks[blank] = int(model::blankRecord(blank).answer);
    return work;
}

// Types `text` into `widget` a character at a time, as a Greek keyboard sends it.
void type(QWidget* widget, const QString& text) {
    for (const QChar each : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(each), Qt::NoModifier);
}

void writeFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), content.size());
}

// Gives `trigger`, answering the windows it brings up as the teacher would: a file dialog for
// saving with `path`, a message box by reading it and closing it. What a message box said.
QString answering(const std::function<void()>& trigger, const QString& path = {}) {
    QString said;
    QTimer watch;
    watch.setInterval(10);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
            QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
            // Typed whole into the name's field, as a teacher may.
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QVERIFY(name);
            name->setText(path.isEmpty() ? QStringLiteral("/dev/null/unasked.csv") : path);
            static_cast<QDialog*>(dialog)->accept();
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            said = box->text();
            box->close();
        }
    });
    watch.start();
    trigger();
    return said;
}

} // namespace

class ResultsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(content::useLanguage(content::Language::Greek)); }

    // A folder of six hand-ins, each with its page, and two files that are not hand-ins.
    void init() {
        folder_ = std::make_unique<QTemporaryDir>();
        QVERIFY(folder_->isValid());
        const Student students[] = {
            {"Μαρία Παπαδοπούλου", "Β2", 18, 50}, {"Άννα Γεωργίου", "Β1", 2, 40},
            {"ΑΛΕΞΗΣ ΝΙΚΟΛΑΟΥ", "Β2", 0, 30},     {"ευα Ζαχαρίου", "Β10", 6, 20},
            {"Ωρίων Δήμου", "Β1", 9, 10},         {"Ζωή Κ., \"η μικρή\"", "Β2", 4, 5},
        };
        for (const Student& student : students) {
            const model::HandIn work = workOf(student);
            const QString base =
                folder_->filePath(work.name.left(5) + QStringLiteral("-") + work.schoolClass);
            writeFile(base + ".json", model::statementOf(work));
            writeFile(base + ".pdf", "%PDF-1.4\n%%EOF\n");
        }
        writeFile(folder_->filePath("notes.txt"), "not a hand-in");
        writeFile(folder_->filePath("broken.json"), "{\"actor\": ");
        window_ = std::make_unique<app::ResultsWindow>(readFolder(), [this](const QUrl& url) {
            opened_ << url;
            if (opener_ == Opener::Throws)
                throw std::runtime_error("no viewer");
            return opener_ == Opener::Opens;
        });
        window_->showOnScreen();
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        view_ = window_->findChild<QTableView*>();
        search_ = window_->findChild<QLineEdit*>();
        QVERIFY(view_ && search_);
        opened_.clear();
        opener_ = Opener::Opens;
    }
    void cleanup() {
        window_.reset();
        folder_.reset();
    }

    // A click on a column's head orders the table by it, and a second click the other way:
    // grades as numbers, names in the order of the Greek alphabet whatever their accents and
    // case; the files that are not hand-ins stay at the end either way, by their names.
    void aColumnsHeadOrdersTheTable_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<QStringList>("ascending");
        QTest::newRow("grade") << int(Grade)
                               << QStringList{"0 %", "6 %", "18 %", "24 %", "33 %", "66 %"};
        QTest::newRow("name") << int(Name)
                              << QStringList{"ΑΛΕΞΗΣ ΝΙΚΟΛΑΟΥ",    "Άννα Γεωργίου",
                                             "ευα Ζαχαρίου",       "Ζωή Κ., \"η μικρή\"",
                                             "Μαρία Παπαδοπούλου", "Ωρίων Δήμου"};
    }
    void aColumnsHeadOrdersTheTable() {
        QFETCH(int, column);
        QFETCH(QStringList, ascending);
        QHeaderView* head = view_->horizontalHeader();
        const QPoint onHead(head->sectionViewportPosition(column) + 5, head->height() / 2);
        QTest::mouseClick(head->viewport(), Qt::LeftButton, {}, onHead);
        if (head->sortIndicatorOrder() != Qt::AscendingOrder)
            QTest::mouseClick(head->viewport(), Qt::LeftButton, {}, onHead);
        QCOMPARE(head->sortIndicatorSection(), column);
        const QStringList unreadable{"Δεν διαβάζεται: broken.json", "Δεν διαβάζεται: notes.txt"};
        QCOMPARE(columnTexts(column).mid(0, 6), ascending);
        QCOMPARE(columnTexts(Name).mid(6), unreadable);

        QTest::mouseClick(head->viewport(), Qt::LeftButton, {}, onHead);
        QCOMPARE(head->sortIndicatorOrder(), Qt::DescendingOrder);
        std::reverse(ascending.begin(), ascending.end());
        QCOMPARE(columnTexts(column).mid(0, 6), ascending);
        QCOMPARE(columnTexts(Name).mid(6), unreadable);
    }

    // The keys reach the order too, through the list of columns and the box of descending
    // order beside the search, which follow the columns' heads when they are clicked.
    void theKeysOrderTheTable() {
        auto* columns = window_->findChild<QComboBox*>();
        auto* descending = window_->findChild<QCheckBox*>();
        QVERIFY(columns && descending);
        QCOMPARE(columns->currentText(), QString("Παράδοση"));
        QVERIFY(descending->isChecked());

        columns->setFocus();
        QTest::keyClick(columns, Qt::Key_Home);
        while (columns->currentText() != "Βαθμός" && columns->currentIndex() + 1 < columns->count())
            QTest::keyClick(columns, Qt::Key_Down);
        QCOMPARE(columnTexts(Grade).mid(0, 3), QStringList({"66 %", "33 %", "24 %"}));
        QTest::keyClick(window_.get(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), descending);
        QTest::keyClick(descending, Qt::Key_Space);
        QCOMPARE(columnTexts(Grade).mid(0, 3), QStringList({"0 %", "6 %", "18 %"}));

        QHeaderView* head = view_->horizontalHeader();
        QTest::mouseClick(head->viewport(), Qt::LeftButton, {},
                          QPoint(head->sectionViewportPosition(Class) + 5, head->height() / 2));
        QCOMPARE(columns->currentText(), QString("Τάξη"));
        QCOMPARE(descending->isChecked(), head->sortIndicatorOrder() == Qt::DescendingOrder);
    }

    // At first the latest hand-in comes first; a row shows its student, class, grade and each
    // section's marks out of the section's full marks.
    void aRowShowsTheHandIn() {
        QCOMPARE(columnTexts(Name).first(), QString("Ζωή Κ., \"η μικρή\""));
        QCOMPARE(columnTexts(Class).first(), QString("Β2"));
        QCOMPARE(columnTexts(Grade).first(), QString("18 %"));
        QStringList sections;
        for (int s = 0; s < model::kSections; ++s)
            sections << columnTexts(Section1 + s).first();
        // The first four blanks right, without the coefficients' bonus: the first section's
        // three reactions and the first of the second section.
        QCOMPARE(sections, QStringList({"15/25", "3/6", "0/3", "0/18", "0/48"}));
    }

    // The search keeps the hand-ins whose name or class holds its text, without regard to
    // accents or case; the counts under the table say how many are shown.
    void theSearchNarrowsTheTable_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("a class") << "β2"
                                 << QStringList{"ΑΛΕΞΗΣ ΝΙΚΟΛΑΟΥ", "Ζωή Κ., \"η μικρή\"",
                                                "Μαρία Παπαδοπούλου"};
        QTest::newRow("a name without accents") << "ΜΑΡΙΑ" << QStringList{"Μαρία Παπαδοπούλου"};
        QTest::newRow("capitals, and a final sigma") << "Αλέξης" << QStringList{"ΑΛΕΞΗΣ ΝΙΚΟΛΑΟΥ"};
        QTest::newRow("a class of two digits") << "Β10" << QStringList{"ευα Ζαχαρίου"};
    }
    void theSearchNarrowsTheTable() {
        QFETCH(QString, text);
        QFETCH(QStringList, names);
        type(search_, text);
        QStringList shown = columnTexts(Name);
        shown.sort();
        QCOMPARE(shown, names);
        QVERIFY(countsText().contains(QString("Εμφανίζονται: %1").arg(names.size())));
        search_->clear();
        QCOMPARE(view_->model()->rowCount(), 8);
    }

    // A double-click on a row, or Enter on it, hands the desktop that student's page.
    void aRowOpensTheStudentsPage() {
        const QString page = QFileInfo(folder_->filePath("Μαρία-Β2.pdf")).absoluteFilePath();
        const int row = rowOf("Μαρία Παπαδοπούλου");
        const QRect cell = view_->visualRect(view_->model()->index(row, Name));
        QTest::mouseClick(view_->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(view_->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(opened_, QList<QUrl>{QUrl::fromLocalFile(page)});

        // Up from the earliest hand-in, to the one after it.
        opened_.clear();
        view_->setFocus();
        QTest::keyClick(view_, Qt::Key_Up);
        QCOMPARE(view_->currentIndex().data().toString(), QString("Άννα Γεωργίου"));
        QTest::keyClick(view_, Qt::Key_Return);
        QCOMPARE(opened_, QList<QUrl>{QUrl::fromLocalFile(
                              QFileInfo(folder_->filePath("Άννα -Β1.pdf")).absoluteFilePath())});
    }

    // A page that is not there, or that nothing opens, is named with its path for the teacher
    // to look for by hand.
    void aPageThatDoesNotOpenIsNamed_data() {
        QTest::addColumn<bool>("removed");
        QTest::addColumn<int>("opener");
        QTest::newRow("the page is gone") << true << int(Opener::Opens);
        QTest::newRow("the opener fails") << false << int(Opener::Fails);
        QTest::newRow("the opener throws") << false << int(Opener::Throws);
    }
    void aPageThatDoesNotOpenIsNamed() {
        QFETCH(bool, removed);
        QFETCH(int, opener);
        const QString page = QFileInfo(folder_->filePath("Ωρίων-Β1.pdf")).absoluteFilePath();
        if (removed)
            QVERIFY(QFile::remove(page));
        opener_ = Opener(opener);
        view_->setCurrentIndex(view_->model()->index(rowOf("Ωρίων Δήμου"), Name));
        const QString said = answering([&] { button("Άνοιγμα PDF")->click(); });
        QVERIFY2(said.contains("\n" + page + (removed ? "" : "\n")), qPrintable(said));
        QCOMPARE(opened_.size(), removed ? 0 : 1);
    }

    // The table is saved as the teacher sees it, narrowed by the search, as CSV in UTF-8 with
    // the mark by which spreadsheets know it; a file that cannot be written is named.
    void theTableIsSavedAsCsv() {
        QTemporaryDir elsewhere;
        const QString path = elsewhere.filePath("Β2.csv");
        type(search_, "Β2");
        QCOMPARE(answering(saveButton(), path), QString());
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray csv = saved.readAll();
        QVERIFY(csv.startsWith("\xEF\xBB\xBFΌνομα,Τάξη,"));
        const QList<QByteArray> lines = csv.split('\n');
        // The head, three hand-ins, and nothing after the last line's end.
        QCOMPARE(lines.size(), 5);
        QVERIFY(lines[1].startsWith("\"Ζωή Κ., \"\"η μικρή\"\"\",Β2,"));
        QVERIFY(lines[3].startsWith("Μαρία Παπαδοπούλου,Β2,"));
        QVERIFY(lines[3].contains(",66,15,6,3,18,24,"));

        // A folder that cannot be, which even root cannot write into.
        const QString nowhere = "/dev/null/table.csv";
        const QString said = answering(saveButton(), nowhere);
        QVERIFY2(said.endsWith("\n" + nowhere), qPrintable(said));
    }

    // A hand-in that arrives while the table is open is listed without a word from the teacher,
    // and the row the teacher was on stays current; F5 reads the folder at once, a record
    // damaged since then is listed as unreadable, and a folder gone is said.
    void theTableFollowsTheFolder() {
        view_->setCurrentIndex(view_->model()->index(rowOf("Άννα Γεωργίου"), Name));
        const model::HandIn late = workOf({"Νίκος Λατέρης", "Β1", 18, 0});
        writeFile(folder_->filePath("late.json"), model::statementOf(late));
        QTRY_COMPARE(view_->model()->rowCount(), 9);
        QCOMPARE(columnTexts(Name).first(), QString("Νίκος Λατέρης"));
        QCOMPARE(view_->currentIndex().data().toString(), QString("Άννα Γεωργίου"));
        QVERIFY(countsText().startsWith("Παραδόσεις: 7 · Αρχεία που δεν διαβάζονται: 2"));

        writeFile(folder_->filePath("late.json"), "{}");
        QTest::keyClick(window_.get(), Qt::Key_F5);
        QCOMPARE(columnTexts(Name).last(), QString("Δεν διαβάζεται: notes.txt"));
        QVERIFY(columnTexts(Name).contains("Δεν διαβάζεται: late.json"));

        // A folder gone, as a network share that went away, is named, and what was read stays.
        QTemporaryDir elsewhere;
        QVERIFY(QDir().rename(folder_->path(), elsewhere.filePath("moved")));
        QTest::keyClick(window_.get(), Qt::Key_F5);
        QCOMPARE(view_->model()->rowCount(), 9);
        QVERIFY2(
            countsText().endsWith("Ο φάκελος " + folder_->path() +
                                  " δεν διαβάζεται τώρα· ο πίνακας δείχνει ό,τι βρέθηκε πριν."),
            qPrintable(countsText()));
        QVERIFY(QDir().rename(elsewhere.filePath("moved"), folder_->path()));
    }

    // A name of ten thousand letters is cut short: the grade stays in sight beside it.
    void aLongNameLeavesTheGradeInSight() {
        const QByteArray name = QByteArray("Α").repeated(10'000);
        writeFile(folder_->filePath("long.json"),
                  model::statementOf(workOf({name.constData(), "Β1", 0, 1})));
        app::ResultsWindow window(readFolder());
        window.showOnScreen();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* view = window.findChild<QTableView*>();
        QCOMPARE(view->model()->index(0, Name).data().toString().size(), 10'000);
        QVERIFY(view->columnViewportPosition(Grade) + view->columnWidth(Grade) <=
                view->viewport()->width());
    }

    // A screen reader finds the window by its title, the search and the table by their names,
    // and reads a cell as the table shows it.
    void aScreenReaderFindsItsWay() {
        const auto nameOf = [](QObject* object) {
            return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name);
        };
        QCOMPARE(nameOf(window_.get()),
                 QString("Παραδόσεις — %1").arg(QFileInfo(folder_->path()).fileName()));
        QCOMPARE(nameOf(search_), QString("Αναζήτηση με όνομα ή τάξη"));
        QCOMPARE(nameOf(view_), QString("Οι παραδόσεις των μαθητών"));
        QAccessibleTableInterface* table =
            QAccessible::queryAccessibleInterface(view_)->tableInterface();
        QVERIFY(table);
        QCOMPARE(table->cellAt(0, Name)->text(QAccessible::Name), QString("Ζωή Κ., \"η μικρή\""));
        QCOMPARE(table->columnDescription(Grade), QString("Βαθμός"));
    }

private:
    enum class Opener { Opens, Fails, Throws };

    app::ResultsFolder readFolder() const {
        app::ResultsFolder folder(folder_->path());
        [&] { QCOMPARE(folder.read(), app::ResultsFolder::Failure::None); }();
        return folder;
    }

    QStringList columnTexts(int column) const {
        QStringList texts;
        for (int row = 0; row < view_->model()->rowCount(); ++row)
            texts << view_->model()->index(row, column).data().toString();
        return texts;
    }
    int rowOf(const QString& name) const { return int(columnTexts(Name).indexOf(name)); }
    QString countsText() const {
        for (QLabel* label : window_->findChildren<QLabel*>()) {
            if (label->text().startsWith("Παραδόσεις: "))
                return label->text();
        }
        return {};
    }
    QPushButton* button(const QString& text) const {
        for (QPushButton* each : window_->findChildren<QPushButton*>()) {
            if (each->text() == text)
                return each;
        }
        return nullptr;
    }
    std::function<void()> saveButton() const {
        return [this] { button("Αποθήκευση ως CSV...")->click(); };
    }

    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<app::ResultsWindow> window_;
    QTableView* view_ = nullptr;
    QLineEdit* search_ = nullptr;
    QList<QUrl> opened_;
    Opener opener_ = Opener::Opens;
};

QTEST_MAIN(ResultsTest)
#include "test_results.moc"
