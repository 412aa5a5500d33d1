// The printable worksheet as a PDF reader and a printer see it, read back with poppler's tools:
// its pages, its text layer in reading order, its fonts and the absence of any raster.
#include "content/worksheet_document.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class WorksheetDocumentTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(scratch_.isValid());
        QVERIFY(content::writeWorksheetDocument(path()));
    }

    // The whole worksheet fits one portrait A4 sheet at legible sizes.
    void isOnePortraitA4Page() {
        const QString info = run("pdfinfo", {path()});
        for (const char* line : {"Page size: +595(\\.\\d+)? x 84[12](\\.\\d+)? pts \\(A4\\)",
                                 "Pages: +1", "Page rot: +0", "Title: +Παρασκευές οργανικών οξέων"})
            QVERIFY2(info.contains(QRegularExpression(QStringLiteral("(?m)^%1$").arg(line))),
                     qPrintable(line + ("\n" + info)));
    }

    // Text is text: the title, the lines to fill in, what to do, the compounds, then the five
    // sections in order, each with its title where it has one and its reactions' conditions.
    void itsTextReadsInTheWorksheetsOrder() {
        const QString text = run("pdftotext", {"-raw", path(), "-"});
        const QStringList expected{"Παρασκευές οργανικών οξέων",
                                   "Όνομα:",
                                   "Τάξη:",
                                   "Ημερομηνία:",
                                   "διακεκομμένα πλαίσια",
                                   "νερό",
                                   "αιθανικό οξύ",
                                   "προπανικό οξύ",
                                   "κορεσμένο\nμονοκαρβοξυλικό οξύ",
                                   "αμμωνία",
                                   "Βιομηχανική παρασκευή",
                                   "C4H10",
                                   "καταλυτική οξείδωση",
                                   "CH3CHO + O2",
                                   "καταλύτες",
                                   "CH3OH + CO",
                                   "καταλύτες",
                                   "αλκοοξειδάση",
                                   "ζωικά ή φυτικά λίπη",
                                   "Στο εργαστήριο",
                                   "CH3CH2CH2OH",
                                   "[O]",
                                   "CνH2ν+1CH2OH",
                                   "CH3CN + H2O",
                                   "ή OH−",
                                   "CνH2ν+1CN + H2O"};
        qsizetype from = 0;
        for (const QString& part : expected) {
            const qsizetype at = text.indexOf(part, from);
            QVERIFY2(at >= 0, qPrintable("missing or out of order: " + part + "\n" + text));
            from = at + part.size();
        }
        // The general formulas copy as the worksheet writes them, with a Greek nu.
        QVERIFY2(text.contains(QStringLiteral("CνH2ν+1COOH")), qPrintable(text));
        QVERIFY2(!text.contains(QStringLiteral("2v+1")), qPrintable(text));
    }

    // Formulas print at 9 pt or more: every "CH" of a card or a reaction stands at least half as
    // high as the title, which is set at 18 pt in the same face.
    void formulasAreAtLeastNinePoints() {
        const QString words = run("pdftotext", {"-bbox", path(), "-"});
        const QRegularExpression word("<word xMin=\"[\\d.]+\" yMin=\"([\\d.]+)\" xMax=\"[\\d.]+\" "
                                      "yMax=\"([\\d.]+)\">([^<]*)</word>");
        qreal title = 0;
        QList<qreal> formulas;
        for (const QRegularExpressionMatch& match : word.globalMatch(words)) {
            const qreal height = match.captured(2).toDouble() - match.captured(1).toDouble();
            if (match.captured(3) == "Παρασκευές")
                title = height;
            else if (match.captured(3) == "CH")
                formulas << height;
        }
        QVERIFY(title > 0);
        // The cards of the two named acids and eight of the reactions have one or more.
        QVERIFY(formulas.size() >= 2 + 8);
        for (qreal height : formulas)
            QVERIFY2(height >= title / 2, qPrintable(QString::number(height / title * 18) + " pt"));
    }

    // Every font travels with the document, so that every printer sets the same Greek.
    void everyFontIsEmbedded() {
        const QStringList rows = run("pdffonts", {path()}).split('\n', Qt::SkipEmptyParts).mid(2);
        QVERIFY(!rows.isEmpty());
        for (const QString& row : rows)
            QVERIFY2(row.contains(QRegularExpression(" yes +(yes|no) +yes +\\d+ +\\d+$")),
                     qPrintable(row));
    }

    // Vector throughout: not a picture of a page, nor any other image.
    void holdsNoImage() {
        const QStringList rows =
            run("pdfimages", {"-list", path()}).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(rows.size(), qsizetype(2));
    }

private:
    QString path() const { return scratch_.filePath("worksheet.pdf"); }

    // The standard output of one of poppler's tools, which must succeed.
    static QString run(const QString& tool, const QStringList& arguments) {
        const QString program = QStandardPaths::findExecutable(tool);
        if (program.isEmpty()) {
            QTest::qFail(qPrintable(tool + " is not installed (Debian's poppler-utils)"), __FILE__,
                         __LINE__);
            return {};
        }
        QProcess process;
        process.start(program, arguments);
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
            process.exitCode() != 0) {
            QTest::qFail(qPrintable(tool + " failed: " + process.readAllStandardError()), __FILE__,
                         __LINE__);
            return {};
        }
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    QTemporaryDir scratch_;
};

QTEST_MAIN(WorksheetDocumentTest)
#include "test_worksheet_document.moc"
