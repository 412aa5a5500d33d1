#pragma once

#include "app/results_folder.h"
#include "model/description.h"

#include <QAbstractTableModel>
#include <QByteArray>
#include <QCollator>
#include <QSortFilterProxyModel>

#include <vector>

namespace app {

// The hand-ins of a folder as the teacher's table shows them, one row a file: a hand-in's name,
// class, time, grade, each section's marks, checks, duration, login and file, or a file that
// cannot be read, with its name. The same table, in the order and with the rows the teacher's
// window shows, is what is written as CSV.
class ResultsTable : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column {
        Name,
        Class,
        HandedIn,
        Grade,
        FirstSection,
        Checks = FirstSection + model::kSections,
        Duration,
        Account,
        File,
        // Whether the row is a hand-in: the window says it in the name's column instead.
        Status,
        ColumnCount
    };
    enum Role {
        // What the columns are ordered by: a text, collated, or a number, the time in
        // milliseconds, the duration in seconds.
        SortRole = Qt::UserRole,
        // What the search looks in: the name and the class, or an unreadable file's name,
        // folded as searchable().
        SearchRole,
        // The text of the cell, or of the column's head, in the CSV.
        CsvRole,
        // Whether the row is a file that cannot be read.
        UnreadableRole,
    };

    explicit ResultsTable(QObject* parent = nullptr);

    void setEntries(std::vector<ResultsEntry> entries);
    const ResultsEntry& entry(int row) const { return rows_.at(size_t(row)).entry; }
    int handIns() const { return handIns_; }
    int unreadable() const { return int(rows_.size()) - handIns_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    struct Row {
        ResultsEntry entry;
        // The student's texts, and the file's name, as the window shows them and as the CSV
        // writes them.
        QString name;
        QString schoolClass;
        QString account;
        QString fileName;
        QString csvName;
        QString csvClass;
        QString csvAccount;
        QString csvFileName;
        QString search;
        std::array<int, model::kSections> scores{};
        int grade = 0;
    };

    QVariant display(const Row& row, int column) const;
    QVariant csv(const Row& row, int column) const;
    QVariant sortKey(const Row& row, int column) const;

    std::vector<Row> rows_;
    int handIns_ = 0;
};

// A text as the search compares it: without accents, in one case, with ς as σ, so that
// "μαρια" finds "Μαρία".
QString searchable(const QString& text);

// The table as the teacher orders it, by any column, and narrows it with a search on the name
// and the class. Names sort as the language of the run sorts them, numbers as numbers, times
// as times; files that cannot be read stay after the hand-ins whichever way a column is
// ordered, by their names. At first the latest hand-in comes first.
class ResultsOrder : public QSortFilterProxyModel {
    Q_OBJECT

public:
    explicit ResultsOrder(QObject* parent = nullptr);

    void setSearch(const QString& text);

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    QCollator collator_;
    QString search_;
};

// The table as CSV, RFC 4180, in UTF-8: a row of the columns' heads, then the table's rows in
// its order, with CRLF after each. A text that a spreadsheet would take for a formula, one that
// begins with =, +, -, @, a tab or a carriage return, is written after an apostrophe, which
// spreadsheets show as text.
QByteArray csvOf(const QAbstractItemModel& table);

} // namespace app
