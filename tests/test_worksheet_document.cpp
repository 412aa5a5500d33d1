// The printable worksheet, its answer key and a student's own sheet as a PDF reader and a
// printer see them, read back with poppler's tools: their pages, their text layers in reading
// order, their fonts and the absence of any raster; where the student writes their details, and
// where the key's notes stand among the frames of the printed page; the key's answers, read where
// it writes them, marked as the check marks a worksheet; and a student's work, details and marks,
// read where their sheet writes them, in a PDF and through a printer.
#include "content/worksheet_document.h"
#include "model/description.h"
#include "model/hand_in.h"
#include "model/marking.h"

#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>
#include <utility>

class WorksheetDocumentTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(scratch_.isValid());
        QVERIFY(content::writeWorksheetDocument(path()));
        QVERIFY(content::writeWorksheetDocument(keyPath(), content::Sheet::AnswerKey));
        const QByteArray student = content::studentDocument(studentWork());
        QFile file(studentPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(student), student.size());
    }

    // The whole worksheet fits one portrait A4 sheet at legible sizes, and so does its key.
    void isOnePortraitA4Page_data() { eachDocument(); }
    void isOnePortraitA4Page() {
        QFETCH(QString, document);
        QFETCH(QString, title);
        const QString info = run("pdfinfo", {document});
        for (const QString& line :
             {QStringLiteral("Page size: +595(\\.\\d+)? x 84[12](\\.\\d+)? pts \\(A4\\)"),
              QStringLiteral("Pages: +1"), QStringLiteral("Page rot: +0"),
              QStringLiteral("Title: +") + title})
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
    void everyFontIsEmbedded_data() { eachDocument(); }
    void everyFontIsEmbedded() {
        QFETCH(QString, document);
        const QStringList rows = run("pdffonts", {document}).split('\n', Qt::SkipEmptyParts).mid(2);
        QVERIFY(!rows.isEmpty());
        for (const QString& row : rows)
            QVERIFY2(row.contains(QRegularExpression(" yes +(yes|no) +yes +\\d+ +\\d+$")),
                     qPrintable(row));
    }

    // Vector throughout: not a picture of a page, nor any other image.
    void holdsNoImage_data() { eachDocument(); }
    void holdsNoImage() {
        QFETCH(QString, document);
        const QStringList rows =
            run("pdfimages", {"-list", document}).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(rows.size(), qsizetype(2));
    }

    // The key's text reads its title, the total where the student's details stand, and then,
    // reaction by reaction, the compound of every blank and the coefficients in their order.
    void theKeyReadsItsAnswersInOrder() {
        const QString text = run("pdftotext", {"-raw", keyPath(), "-"});
        const QStringList expected{"Παρασκευές οργανικών οξέων — Λύσεις",
                                   "Σύνολο μονάδων: 100",
                                   "C4H10",
                                   "CH3COOH",
                                   "1 2",
                                   "CH3CHO + O2",
                                   "CH3COOH",
                                   "2 1 2",
                                   "CH3OH + CO",
                                   "CH3COOH",
                                   "1 1 1",
                                   "25 μονάδες",
                                   "CH3COOH H2O",
                                   "6 μονάδες",
                                   "οποιαδήποτε σειρά",
                                   "CνH2ν+1COOH",
                                   "3 μονάδες",
                                   "CH3COOH H2O",
                                   "CH3CH2COOH H2O",
                                   "CνH2ν+1COOH H2O",
                                   "18 μονάδες",
                                   "CH3COOH NH3",
                                   "1 2 1 1",
                                   "CH3CH2COOH NH3",
                                   "1 2 1 1",
                                   "CνH2ν+1COOH NH3",
                                   "1 2 1 1",
                                   "48 μονάδες"};
        qsizetype from = 0;
        for (const QString& part : expected) {
            const qsizetype at = text.indexOf(part, from);
            QVERIFY2(at >= 0, qPrintable("missing or out of order: " + part + "\n" + text));
            from = at + part.size();
        }
        QVERIFY2(!run("pdftotext", {"-raw", path(), "-"}).contains("Λύσεις"), "the worksheet");
    }

    // The key and the worksheet come from one description: the compounds and numbers the key
    // writes where a student's sheet writes a student's, centred as theirs are, and read back
    // from its page, are what the check gives full marks for; the worksheet leaves those places
    // empty, and every other word of its page lies where the key has it.
    void theKeysAnswersEarnFullMarks() {
        const QList<Word> key = words(keyPath());
        const QList<Word> sheet = words(path());
        const Places& places = placesOfWork();
        const auto centred = [&](const QRectF& place) {
            QRectF written;
            for (const Word& word : wordsAt(key, place))
                written |= word.box;
            return (written.center() - place.center()).manhattanLength() < 0.5;
        };
        model::Blanks blanks;
        blanks.fill(model::kNone);
        for (int blank = 0; blank < model::kBlanks; ++blank) {
            QVERIFY2(!places.cards[blank].isNull(), qPrintable(QString("blank %1").arg(blank)));
            const QString written = writtenAt(key, places.cards[blank]);
            QVERIFY2(centred(places.cards[blank]), qPrintable(QString("blank %1").arg(blank)));
            for (int compound = 0; compound < model::kCompounds; ++compound) {
                if (written == formulaOf(compound))
                    blanks[blank] = compound;
            }
            QVERIFY2(blanks[blank] != model::kNone,
                     qPrintable(QString("blank %1 reads '%2'").arg(blank).arg(written)));
            // Its own answer: the two of a pair are not the other way round.
            QCOMPARE(blanks[blank], int(model::blankRecord(blank).answer));
            QCOMPARE(writtenAt(sheet, places.cards[blank]), QString());
        }
        model::BoxTexts texts;
        for (int box = 0; box < model::kCoefficientBoxes; ++box) {
            QVERIFY2(!places.numbers[box].isNull(), qPrintable(QString("box %1").arg(box)));
            texts[box] = writtenAt(key, places.numbers[box]);
            QVERIFY2(!texts[box].isEmpty() && centred(places.numbers[box]),
                     qPrintable(QString("box %1").arg(box)));
            QCOMPARE(writtenAt(sheet, places.numbers[box]), QString());
        }
        const model::Marking marking = model::mark(blanks, texts);
        QCOMPARE(marking.grade, 100);
        QVERIFY(marking.emptied.empty() && marking.cleared.empty());
        for (const Word& word : sheet) {
            const bool alsoOnTheKey = std::any_of(key.begin(), key.end(), [&](const Word& k) {
                return k.text == word.text &&
                       (k.box.center() - word.box.center()).manhattanLength() < 0.5;
            });
            QVERIFY2(alsoOnTheKey || word.text == "Όνομα:" || word.text == "Τάξη:" ||
                         word.text == "Ημερομηνία:" || word.text.startsWith("Παρασκευές") ||
                         word.text.startsWith("οργανικών") || word.text.startsWith("οξέων"),
                     qPrintable(word.text));
        }
    }

    // The student's details stand in one row, in order, each label followed at once by a line of
    // its own to write on, at least 2 cm long. At least 4 mm of paper parts each line from the
    // next label, so that no detail runs into the next, and the last line ends as far in from the
    // page's right edge as the first label starts from its left: the row fills the text's width.
    void theDetailsEachHaveRoomToWriteIn() {
        const QList<Word> page = words(path());
        QList<QRectF> labels;
        for (const QString& label :
             {QStringLiteral("Όνομα:"), QStringLiteral("Τάξη:"), QStringLiteral("Ημερομηνία:")}) {
            const auto found = std::find_if(page.begin(), page.end(),
                                            [&](const Word& word) { return word.text == label; });
            QVERIFY2(found != page.end(), qPrintable(label));
            labels << found->box;
        }
        const QImage printed = rendered(path());
        const qreal pageWidth = printed.width() / kPixelsPerPoint;
        for (qsizetype i = 0; i < labels.size(); ++i) {
            const QString at = QString("after the %1 label: ").arg(i + 1);
            QVERIFY2(qAbs(labels[i].bottom() - labels[0].bottom()) < 0.5, qPrintable(at));
            const qreal next = i + 1 < labels.size() ? labels[i + 1].left() : pageWidth;
            QVERIFY2(next > labels[i].right(), qPrintable(at + "the next label overlaps"));
            const auto [from, to] =
                longestDarkRun(printed, QRectF(QPointF(labels[i].right(), labels[i].top()),
                                               QPointF(next, labels[i].bottom() + 3)));
            const QString line = at + QString("the line runs from %1 to %2 pt").arg(from).arg(to);
            QVERIFY2(from > labels[i].right() && from - labels[i].right() < 10, qPrintable(line));
            QVERIFY2(to - from >= 2 * kPointsPerCm, qPrintable(line));
            if (i + 1 < labels.size())
                QVERIFY2(next - to >= 0.4 * kPointsPerCm, qPrintable(line));
            else
                QVERIFY2(qAbs((pageWidth - to) - labels[0].left()) < 1.5, qPrintable(line));
        }
    }

    // On the key, a section whose reactions have two products says that they go either way round
    // where it belongs to that section beyond doubt: the note lies on its own section's frame, at
    // least 3 pt clear of every other frame and of every other word on the page. No other section
    // has one.
    void eachEitherOrderNoteStandsOnItsOwnSection() {
        std::array<bool, model::kSections> pairs{};
        for (int blank = 0; blank < model::kBlanks; ++blank)
            pairs[model::sectionOfBlank(blank)] |=
                model::hasTwoBlanks(model::reactionOfBlank(blank));
        const QList<Word> key = words(keyPath());
        const auto total = std::find_if(key.begin(), key.end(),
                                        [](const Word& word) { return word.text == "Σύνολο"; });
        QVERIFY(total != key.end());
        // The frames' left edges stand where the text begins; their titles start further in.
        const QList<std::pair<qreal, qreal>> frames =
            framesDown(rendered(keyPath()), total->box.left() + 4);
        QCOMPARE(frames.size(), qsizetype(model::kSections));
        std::array<int, model::kSections> notes{};
        for (const Word& anchor : key) {
            if (anchor.text != "οποιαδήποτε")
                continue;
            QRectF note;
            for (const Word& word : key) {
                if (qAbs(word.box.top() - anchor.box.top()) < 0.01 &&
                    qAbs(word.box.bottom() - anchor.box.bottom()) < 0.01)
                    note |= word.box;
            }
            const QString at = QString("the note at %1 pt, frames").arg(note.top());
            QString across;
            for (const auto& [top, bottom] : frames)
                across += QString(" %1–%2").arg(top).arg(bottom);
            int own = -1;
            for (int section = 0; section < model::kSections; ++section) {
                const auto [top, bottom] = frames[section];
                if (note.bottom() > top && note.top() < bottom) {
                    QVERIFY2(own < 0, qPrintable(at + across));
                    own = section;
                } else {
                    QVERIFY2(note.top() - bottom >= 3 || top - note.bottom() >= 3,
                             qPrintable(at + across));
                }
            }
            QVERIFY2(own >= 0 && pairs[own], qPrintable(at + across));
            ++notes[own];
            for (const Word& word : key) {
                if (!note.contains(word.box))
                    QVERIFY2(!note.adjusted(-3, -3, 3, 3).intersects(word.box),
                             qPrintable(word.text + " against " + at + across));
            }
        }
        for (int section = 0; section < model::kSections; ++section)
            QVERIFY2(notes[section] == (pairs[section] ? 1 : 0),
                     qPrintable(QString("section %1: %2 notes").arg(section).arg(notes[section])));
    }

    // A student's sheet writes their name, class and the date and time of the hand-in on the
    // lines for them, each after its own label and before the next, and the grade and the checks
    // made in a row of their own below, all within the page's margins.
    void theStudentsDetailsStandOnTheirLines() {
        const QList<Word> page = words(studentPath());
        const auto find = [&](const QString& text) {
            const auto found = std::find_if(page.begin(), page.end(),
                                            [&](const Word& word) { return word.text == text; });
            return found == page.end() ? QRectF() : found->box;
        };
        const QRectF name = find("Όνομα:");
        const QRectF schoolClass = find("Τάξη:");
        const QRectF date = find("Ημερομηνία:");
        const qreal right = rendered(studentPath()).width() / kPixelsPerPoint - name.left();
        const struct {
            QStringList written;
            qreal from;
            qreal to;
        } lines[] = {{{"Μαρία", "Παπαδοπούλου"}, name.right(), schoolClass.left()},
                     {{"Β2"}, schoolClass.right(), date.left()},
                     {{"9/12/2026", "10:15"}, date.right(), right}};
        for (const auto& line : lines) {
            for (const QString& text : line.written) {
                const QRectF box = find(text);
                QVERIFY2(!box.isEmpty(), qPrintable(text));
                QVERIFY2(
                    box.left() > line.from && box.right() < line.to,
                    qPrintable(text + QString(" at %1–%2 pt").arg(box.left()).arg(box.right())));
                QVERIFY2(qAbs(box.bottom() - name.bottom()) < 3, qPrintable(text));
            }
        }
        const QString text = run("pdftotext", {"-raw", studentPath(), "-"});
        const QString grade = QString("Βαθμός: %1 %").arg(studentWork().marking().grade);
        QVERIFY2(text.contains(grade + " Έλεγχοι πριν από την παράδοση: 3"), qPrintable(text));
        const QRectF graded = find("Βαθμός:");
        QVERIFY(graded.top() > name.bottom() && graded.top() < find("Οι").top());
        QVERIFY(!text.contains("διακεκομμένα πλαίσια"));
    }

    // Where the key writes its answers, a student's sheet has the student's own: the card of the
    // compound put in each blank (none where it was left empty) and each coefficient as typed,
    // one too long for its mark made smaller and cut short within the mark as printed. Where the
    // key writes each section's full marks, the sheet writes the marks earned out of them.
    void theStudentsWorkAndMarksStandWhereTheKeyHasItsAnswers() {
        const model::HandIn work = studentWork();
        const model::Marking marking = work.marking();
        const QList<Word> sheet = words(studentPath());
        const Places& places = placesOfWork();
        for (int blank = 0; blank < model::kBlanks; ++blank) {
            const int compound = work.blanks[blank];
            QVERIFY2(!places.cards[blank].isNull(), qPrintable(QString("blank %1").arg(blank)));
            QCOMPARE(writtenAt(sheet, places.cards[blank]),
                     compound == model::kNone ? QString() : formulaOf(compound));
        }
        for (int box = 0; box < model::kCoefficientBoxes; ++box) {
            QVERIFY2(!places.numbers[box].isNull(), qPrintable(QString("box %1").arg(box)));
            const QString written = writtenAt(sheet, places.numbers[box]);
            if (box == 2) {
                QVERIFY2(written.startsWith("1234") && written.endsWith("…") &&
                             written.size() < work.boxes[2].size(),
                         qPrintable(written));
                // The white within the mark's dashes, found to half a point: the text may reach
                // the middle of their line, half a line further out.
                const QRectF mark = clearAround(rendered(path()), places.numbers[box]);
                for (const Word& word : wordsAt(sheet, places.numbers[box]))
                    QVERIFY2(mark.adjusted(-1, -1, 1, 1).contains(word.box), qPrintable(word.text));
            } else {
                QCOMPARE(written, work.boxes[box]);
            }
        }
        // Full, none and some marks are all written.
        QVERIFY(marking.scores[1] == model::fullMarksOf(1) && marking.scores[2] == 0 &&
                marking.scores[3] > 0 && marking.scores[3] < model::fullMarksOf(3));
        const QString text = run("pdftotext", {"-raw", studentPath(), "-"});
        qsizetype from = 0;
        for (int section = 0; section < model::kSections; ++section) {
            const QString part = QString("%1 από %2 μονάδες")
                                     .arg(marking.scores[section])
                                     .arg(model::fullMarksOf(section));
            const qsizetype at = text.indexOf(part, from);
            QVERIFY2(at >= 0, qPrintable("missing or out of order: " + part + "\n" + text));
            from = at + part.size();
        }
        const auto tabs = [](const QList<Word>& page) {
            QList<QRectF> found;
            for (const Word& word : page) {
                if (word.text == "μονάδες")
                    found << word.box;
            }
            return found;
        };
        const QList<QRectF> earned = tabs(sheet);
        const QList<QRectF> full = tabs(words(keyPath()));
        QCOMPARE(earned.size(), qsizetype(model::kSections));
        QCOMPARE(full.size(), qsizetype(model::kSections));
        for (int section = 0; section < model::kSections; ++section) {
            QVERIFY(qAbs(earned[section].right() - full[section].right()) < 0.5);
            QVERIFY(qAbs(earned[section].center().y() - full[section].center().y()) < 0.5);
        }
    }

    // Printed through Qt's printing, the sheet is the same page as the PDF, word for word and
    // place for place; on a printer's Letter paper, shorter than A4, it is all on the paper.
    void thePrintedSheetIsThePdfsPage_data() {
        QTest::addColumn<bool>("letter");
        QTest::newRow("A4") << false;
        QTest::newRow("Letter") << true;
    }
    void thePrintedSheetIsThePdfsPage() {
        QFETCH(bool, letter);
        const QString printed = scratch_.filePath(letter ? "letter.pdf" : "printed.pdf");
        {
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(printed);
            printer.setPageSize(QPageSize(letter ? QPageSize::Letter : QPageSize::A4));
            printer.setFullPage(true);
            QVERIFY(content::paintStudentSheet(printer, studentWork()));
        }
        const QList<Word> onPaper = words(printed);
        const QList<Word> inPdf = words(studentPath());
        QCOMPARE(onPaper.size(), inPdf.size());
        const QImage page = rendered(printed);
        const QRectF paper(0, 0, page.width() / kPixelsPerPoint, page.height() / kPixelsPerPoint);
        QCOMPARE(paper.size().toSize(), letter ? QSize(612, 792) : QSize(595, 842));
        for (qsizetype i = 0; i < onPaper.size(); ++i) {
            QCOMPARE(onPaper[i].text, inPdf[i].text);
            QVERIFY2(paper.contains(onPaper[i].box), qPrintable(onPaper[i].text));
            if (!letter)
                QVERIFY2((onPaper[i].box.center() - inPdf[i].box.center()).manhattanLength() < 0.5,
                         qPrintable(onPaper[i].text));
        }
    }

private:
    // Every document, for the tests that hold for each.
    void eachDocument() {
        QTest::addColumn<QString>("document");
        QTest::addColumn<QString>("title");
        QTest::newRow("worksheet") << path() << "Παρασκευές οργανικών οξέων";
        QTest::newRow("answer key") << keyPath() << "Παρασκευές οργανικών οξέων — Λύσεις";
        QTest::newRow("student's sheet")
            << studentPath() << "Παρασκευές οργανικών οξέων — Μαρία Παπαδοπούλου, Β2";
    }

    // A student who got the first two sections right, with one coefficient typed far too long
    // for its mark, took one compound out of the third, put a wrong one in the fourth, and
    // asked for three checks.
    static model::HandIn studentWork() {
        model::HandIn work;
        work.name = QStringLiteral("Μαρία Παπαδοπούλου");
        work.schoolClass = QStringLiteral("Β2");
        work.handedIn = QDateTime(QDate(2026, 12, 9), QTime(10, 15, 30), Qt::OffsetFromUTC, 7200);
        work.checks = 3;
        for (int blank = 0; blank < model::kBlanks; ++blank) {
            const int section = model::sectionOfBlank(blank);
            work.blanks[blank] = section == 2 ? model::kNone : model::blankRecord(blank).answer;
        }
        for (int blank = 0; blank < model::kBlanks; ++blank) {
            if (model::sectionOfBlank(blank) == 3) {
                work.blanks[blank] = model::Ammonia;
                break;
            }
        }
        work.boxes[1] = QStringLiteral("2");
        work.boxes[2] = QStringLiteral("1234567890123456789012345678901234567890");
        return work;
    }

    static constexpr qreal kPixelsPerPoint = 2;
    static constexpr qreal kPointsPerCm = 72 / 2.54;

    // The first page as a printer puts it on paper, two pixels to the point.
    QImage rendered(const QString& document) const {
        const QString root = document.chopped(4) + "-printed";
        run("pdftoppm",
            {"-r", QString::number(72 * kPixelsPerPoint), "-singlefile", "-png", document, root});
        return QImage(root + ".png").convertToFormat(QImage::Format_RGB32);
    }

    // The ends, in points, of the longest row of dark pixels within `area`, given in points.
    static std::pair<qreal, qreal> longestDarkRun(const QImage& page, const QRectF& area) {
        const QRect pixels = QRectF(area.topLeft() * kPixelsPerPoint, area.size() * kPixelsPerPoint)
                                 .toAlignedRect() &
                             page.rect();
        std::pair<int, int> longest{0, 0};
        for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
            int start = -1;
            for (int x = pixels.left(); x <= pixels.right() + 1; ++x) {
                const bool dark = x <= pixels.right() && qGray(page.pixel(x, y)) < 128;
                if (dark && start < 0)
                    start = x;
                if (!dark && start >= 0) {
                    if (x - start > longest.second - longest.first)
                        longest = {start, x};
                    start = -1;
                }
            }
        }
        return {longest.first / kPixelsPerPoint, longest.second / kPixelsPerPoint};
    }

    // The sections' frames from the top of the page down, each as the points where its top edge
    // begins and its bottom edge ends, met going down the page at `x` points from its left.
    static QList<std::pair<qreal, qreal>> framesDown(const QImage& page, qreal x) {
        QList<qreal> edges;
        bool inEdge = false;
        for (int y = 0; y < page.height(); ++y) {
            const QColor colour = page.pixelColor(int(x * kPixelsPerPoint), y);
            const bool red = colour.red() > 200 && colour.green() < 150 && colour.blue() < 150;
            if (red != inEdge)
                edges << y / kPixelsPerPoint;
            inEdge = red;
        }
        // Each edge is a start and an end: a frame from its top edge's start to its bottom's end.
        QList<std::pair<qreal, qreal>> frames;
        if (edges.size() % 4 != 0)
            return frames;
        for (qsizetype i = 0; i + 3 < edges.size(); i += 4)
            frames.append({edges[i], edges[i + 3]});
        return frames;
    }

    QString path() const { return scratch_.filePath("worksheet.pdf"); }
    QString keyPath() const { return scratch_.filePath("answers.pdf"); }
    QString studentPath() const { return scratch_.filePath("student.pdf"); }

    struct Word {
        QRectF box;
        QString text;
    };

    // The words of a page and where they stand, in points from its top left corner.
    static QList<Word> words(const QString& document) {
        const QRegularExpression word(
            "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
            "yMax=\"([\\d.]+)\">([^<]*)</word>");
        QList<Word> found;
        for (const QRegularExpressionMatch& match :
             word.globalMatch(run("pdftotext", {"-bbox", document, "-"}))) {
            const QPointF from(match.captured(1).toDouble(), match.captured(2).toDouble());
            const QPointF to(match.captured(3).toDouble(), match.captured(4).toDouble());
            found.append({QRectF(from, to), match.captured(5)});
        }
        return found;
    }

    // What a page writes at `place`: the words that meet it and those joined to them, each
    // touching the next on its line, as pdftotext parts a formula at its subscripts; left to
    // right.
    static QList<Word> wordsAt(const QList<Word>& page, const QRectF& place) {
        QList<Word> found;
        for (const Word& word : page) {
            if (word.box.intersects(place))
                found.append(word);
        }
        const auto touches = [](const QRectF& a, const QRectF& b) {
            return a.top() < b.bottom() && b.top() < a.bottom() &&
                   (qAbs(a.right() - b.left()) < 0.5 || qAbs(b.right() - a.left()) < 0.5);
        };
        for (qsizetype i = 0; i < found.size(); ++i) {
            for (const Word& word : page) {
                const bool taken = std::any_of(found.begin(), found.end(), [&](const Word& w) {
                    return w.box == word.box && w.text == word.text;
                });
                if (!taken && touches(found[i].box, word.box))
                    found.append(word);
            }
        }
        std::sort(found.begin(), found.end(),
                  [](const Word& a, const Word& b) { return a.box.left() < b.box.left(); });
        return found;
    }
    static QString writtenAt(const QList<Word>& page, const QRectF& place) {
        QString text;
        for (const Word& word : wordsAt(page, place))
            text += word.text;
        return text;
    }

    static QString formulaOf(int compound) {
        const std::string_view formula = model::kCompoundTable[compound].formula;
        return QString::fromUtf8(formula.data(), qsizetype(formula.size()));
    }

    // Where a student's sheet writes the work, in points of its page: each blank's card, as the
    // words of its formula, and each coefficient box's text.
    struct Places {
        std::array<QRectF, model::kBlanks> cards;
        std::array<QRectF, model::kCoefficientBoxes> numbers;
    };

    // Found as what students' sheets have that a sheet with nothing done lacks: one with a
    // number of its own in every box, which earns nothing while the blanks are empty, and for
    // each blank one with a card in that blank alone, of a compound that earns nothing there,
    // so that the marks stay as they were. A place no sheet showed is left null. Made once.
    const Places& placesOfWork() {
        if (places_)
            return *places_;
        model::HandIn nothing;
        nothing.blanks.fill(model::kNone);
        const QString file = scratch_.filePath("work.pdf");
        const auto sheetOf = [&](const model::HandIn& work) {
            QFile pdf(file);
            if (!pdf.open(QIODevice::WriteOnly) || pdf.write(content::studentDocument(work)) <= 0)
                return QList<Word>();
            pdf.close();
            return words(file);
        };
        const QList<Word> untouched = sheetOf(nothing);
        const auto workOn = [&](const model::HandIn& work) {
            QList<Word> added;
            for (const Word& word : sheetOf(work)) {
                if (std::none_of(untouched.begin(), untouched.end(), [&](const Word& w) {
                        return w.text == word.text &&
                               (w.box.center() - word.box.center()).manhattanLength() < 0.5;
                    }))
                    added.append(word);
            }
            return added;
        };
        Places found;
        model::HandIn numbered = nothing;
        constexpr int kFirstNumber = 10;
        for (int box = 0; box < model::kCoefficientBoxes; ++box)
            numbered.boxes[box] = QString::number(kFirstNumber + box);
        for (const Word& word : workOn(numbered)) {
            const int box = word.text.toInt() - kFirstNumber;
            if (box >= 0 && box < model::kCoefficientBoxes)
                found.numbers[box] = word.box;
        }
        for (int b = 0; b < model::kBlanks; ++b) {
            model::HandIn card = nothing;
            for (int compound = 0; compound < model::kCompounds; ++compound) {
                card.blanks[b] = compound;
                if (card.marking().grade == 0)
                    break;
            }
            for (const Word& word : workOn(card))
                found.cards[b] |= word.box;
        }
        places_ = found;
        return *places_;
    }

    // How far the page stays white around `place`, in points, from its middle to the left and
    // the right along each row it spans, and up and down along each column: inside a dashed
    // mark, to the mark's nearest dashes.
    static QRectF clearAround(const QImage& page, const QRectF& place) {
        const QRect pixels =
            QRectF(place.topLeft() * kPixelsPerPoint, place.size() * kPixelsPerPoint)
                .toAlignedRect() &
            page.rect();
        const QPoint middle = pixels.center();
        const auto dark = [&](int x, int y) {
            return !page.rect().contains(x, y) || qGray(page.pixel(x, y)) < 128;
        };
        int left = 0;
        int right = page.width();
        for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
            int x = middle.x();
            while (!dark(x - 1, y))
                --x;
            left = std::max(left, x);
            x = middle.x();
            while (!dark(x + 1, y))
                ++x;
            right = std::min(right, x + 1);
        }
        int top = 0;
        int bottom = page.height();
        for (int x = pixels.left(); x <= pixels.right(); ++x) {
            int y = middle.y();
            while (!dark(x, y - 1))
                --y;
            top = std::max(top, y);
            y = middle.y();
            while (!dark(x, y + 1))
                ++y;
            bottom = std::min(bottom, y + 1);
        }
        return QRectF(QPointF(left, top) / kPixelsPerPoint,
                      QPointF(right, bottom) / kPixelsPerPoint);
    }

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
    std::optional<Places> places_;
};

QTEST_MAIN(WorksheetDocumentTest)
#include "test_worksheet_document.moc"
