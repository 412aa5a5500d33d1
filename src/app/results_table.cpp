#include "app/results_table.h"

#include "content/language.h"
#include "content/results_texts.h"
#include "content/spoken.h"

#include <QLocale>

#include <functional>

namespace app {

namespace {

using Column = ResultsTable::Column;

// The locale of the run's language: its month names and its order of letters.
QLocale tableLocale() {
    return content::currentLanguage() == content::Language::English
               ? QLocale(QLocale::English, QLocale::UnitedKingdom)
               : QLocale(QLocale::Greek, QLocale::Greece);
}

// A student's text as a cell shows it: every control character a space, so that none can break
// the row or reach a terminal as a command; in the CSV, where quoting keeps them, line breaks and
// tabs stay.
QString printable(QString text, bool keepLineBreaks) {
    for (QChar& each : text) {
        const bool lineBreak = each == u'\n' || each == u'\r' || each == u'\t';
        if (each.category() == QChar::Other_Control && !(keepLineBreaks && lineBreak))
            each = u' ';
    }
    return text;
}

QString duration(qint64 seconds) {
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

bool isNumber(int column) {
    return column == Column::Grade || column == Column::Checks || column == Column::Duration ||
           (column >= Column::FirstSection && column < Column::FirstSection + model::kSections);
}

// A text a spreadsheet would read as a formula, or whose first character it would drop.
bool looksLikeFormula(const QString& text) {
    return !text.isEmpty() && QStringView(u"=+-@\t\r").contains(text.front());
}

QByteArray csvField(const QString& text) {
    const QString safe = looksLikeFormula(text) ? QLatin1Char('\'') + text : text;
    if (!safe.contains(QLatin1Char(',')) && !safe.contains(QLatin1Char('"')) &&
        !safe.contains(QLatin1Char('\n')) && !safe.contains(QLatin1Char('\r')))
        return safe.toUtf8();
    QString quoted = safe;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return '"' + quoted.toUtf8() + '"';
}

} // namespace

QString searchable(const QString& text) {
    QString folded;
    const QString apart = text.normalized(QString::NormalizationForm_D);
    folded.reserve(apart.size());
    for (const QChar each : apart) {
        if (each.category() != QChar::Mark_NonSpacing)
            folded += each;
    }
    return folded.toCaseFolded();
}

ResultsTable::ResultsTable(QObject* parent) : QAbstractTableModel(parent) {}

void ResultsTable::setEntries(std::vector<ResultsEntry> entries) {
    beginResetModel();
    rows_.clear();
    rows_.reserve(entries.size());
    handIns_ = 0;
    for (ResultsEntry& entry : entries) {
        Row row;
        row.fileName = printable(entry.fileName, false);
        row.csvFileName = printable(entry.fileName, true);
        if (entry.work) {
            const model::HandIn& work = *entry.work;
            row.name = printable(work.name, false);
            row.schoolClass = printable(work.schoolClass, false);
            row.account = printable(work.account, false);
            row.csvName = printable(work.name, true);
            row.csvClass = printable(work.schoolClass, true);
            row.csvAccount = printable(work.account, true);
            row.search = searchable(row.name + QLatin1Char('\n') + row.schoolClass);
            const model::Marking marking = work.marking();
            row.scores = marking.scores;
            row.grade = marking.grade;
            ++handIns_;
        } else {
            row.search = searchable(row.fileName);
        }
        row.entry = std::move(entry);
        rows_.push_back(std::move(row));
    }
    endResetModel();
}

int ResultsTable::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

int ResultsTable::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ResultsTable::display(const Row& row, int column) const {
    namespace texts = content::results;
    if (!row.entry.work) {
        if (column == Name)
            return texts::unreadable().arg(row.fileName);
        if (column == File)
            return row.fileName;
        if (column == Status)
            return texts::isUnreadable();
        return {};
    }
    const model::HandIn& work = *row.entry.work;
    switch (column) {
    case Name:
        return row.name;
    case Class:
        return row.schoolClass;
    case HandedIn:
        return tableLocale().toString(work.handedIn.toLocalTime(),
                                      QStringLiteral("d MMM yyyy HH:mm"));
    case Grade:
        return texts::percent().arg(row.grade);
    case Checks:
        return QString::number(work.checks);
    case Duration:
        return duration(work.seconds);
    case Account:
        return row.account;
    case File:
        return row.fileName;
    case Status:
        return texts::isHandIn();
    default:
        const int section = column - FirstSection;
        return QStringLiteral("%1/%2").arg(row.scores.at(section)).arg(model::fullMarksOf(section));
    }
}

QVariant ResultsTable::csv(const Row& row, int column) const {
    if (!row.entry.work) {
        if (column == File)
            return row.csvFileName;
        return column == Status ? content::results::isUnreadable() : QString();
    }
    const model::HandIn& work = *row.entry.work;
    switch (column) {
    case Name:
        return row.csvName;
    case Class:
        return row.csvClass;
    case HandedIn:
        // As spreadsheets read a time.
        return work.handedIn.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    case Grade:
        return QString::number(row.grade);
    case Account:
        return row.csvAccount;
    case File:
        return row.csvFileName;
    default:
        if (column >= FirstSection && column < FirstSection + model::kSections)
            return QString::number(row.scores.at(column - FirstSection));
        return display(row, column);
    }
}

QVariant ResultsTable::sortKey(const Row& row, int column) const {
    if (!row.entry.work)
        return row.fileName;
    const model::HandIn& work = *row.entry.work;
    switch (column) {
    case Name:
        return row.name;
    case Class:
        return row.schoolClass;
    case HandedIn:
        return work.handedIn.toMSecsSinceEpoch();
    case Grade:
        return qint64(row.grade);
    case Checks:
        return qint64(work.checks);
    case Duration:
        return work.seconds;
    case Account:
        return row.account;
    case File:
    case Status:
        return row.fileName;
    default:
        return qint64(row.scores.at(column - FirstSection));
    }
}

QVariant ResultsTable::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Row& row = rows_.at(size_t(index.row()));
    switch (role) {
    case Qt::DisplayRole:
        return display(row, index.column());
    case Qt::ToolTipRole:
        return row.entry.work ? QVariant() : content::results::unreadableWhy();
    case Qt::TextAlignmentRole:
        return isNumber(index.column()) ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    case SortRole:
        return sortKey(row, index.column());
    case SearchRole:
        return row.search;
    case CsvRole:
        return csv(row, index.column());
    case UnreadableRole:
        return !row.entry.work;
    default:
        return {};
    }
}

QVariant ResultsTable::headerData(int section, Qt::Orientation orientation, int role) const {
    namespace texts = content::results;
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    const bool isSection = section >= FirstSection && section < FirstSection + model::kSections;
    if (isSection && role == CsvRole)
        return texts::sectionOutOf()
            .arg(section - FirstSection + 1)
            .arg(model::fullMarksOf(section - FirstSection));
    if (isSection && role == Qt::ToolTipRole)
        return content::spoken::sectionSubject(section - FirstSection);
    if (role == Qt::TextAlignmentRole && isNumber(section))
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != CsvRole)
        return {};
    switch (section) {
    case Name:
        return texts::name();
    case Class:
        return texts::schoolClass();
    case HandedIn:
        return texts::handedIn();
    case Grade:
        return texts::grade();
    case Checks:
        return texts::checks();
    case Duration:
        return texts::duration();
    case Account:
        return texts::account();
    case File:
        return texts::file();
    case Status:
        return texts::status();
    default:
        return texts::section().arg(section - FirstSection + 1);
    }
}

ResultsOrder::ResultsOrder(QObject* parent)
    : QSortFilterProxyModel(parent), collator_(tableLocale()) {
    collator_.setNumericMode(true);
    collator_.setCaseSensitivity(Qt::CaseInsensitive);
    setSortRole(ResultsTable::SortRole);
    sort(ResultsTable::HandedIn, Qt::DescendingOrder);
}

void ResultsOrder::setSearch(const QString& text) {
    search_ = searchable(text.trimmed());
    invalidateFilter();
}

bool ResultsOrder::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    const bool leftUnreadable = left.data(ResultsTable::UnreadableRole).toBool();
    const bool rightUnreadable = right.data(ResultsTable::UnreadableRole).toBool();
    // The order a column is sorted in turns the result round; what stays in place whichever
    // way answers according to it.
    const bool ascending = sortOrder() == Qt::AscendingOrder;
    if (leftUnreadable != rightUnreadable)
        return ascending ? rightUnreadable : leftUnreadable;
    const QVariant a = left.data(ResultsTable::SortRole);
    const QVariant b = right.data(ResultsTable::SortRole);
    if (leftUnreadable) {
        const int order = collator_.compare(a.toString(), b.toString());
        return ascending ? order < 0 : order > 0;
    }
    if (a.typeId() == QMetaType::QString)
        return collator_.compare(a.toString(), b.toString()) < 0;
    return a.toLongLong() < b.toLongLong();
}

bool ResultsOrder::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const {
    if (search_.isEmpty())
        return true;
    const QModelIndex index = sourceModel()->index(sourceRow, 0, sourceParent);
    return index.data(ResultsTable::SearchRole).toString().contains(search_);
}

QByteArray csvOf(const QAbstractItemModel& table) {
    QByteArray csv;
    const auto line = [&csv, &table](const std::function<QString(int)>& field) {
        for (int column = 0; column < table.columnCount(); ++column) {
            if (column > 0)
                csv += ',';
            csv += csvField(field(column));
        }
        csv += "\r\n";
    };
    line([&table](int column) {
        return table.headerData(column, Qt::Horizontal, ResultsTable::CsvRole).toString();
    });
    for (int row = 0; row < table.rowCount(); ++row) {
        line([&table, row](int column) {
            return table.index(row, column).data(ResultsTable::CsvRole).toString();
        });
    }
    return csv;
}

} // namespace app
