// What a screen reader finds and hears: Greek names of cards, placed compounds, reactions,
// blanks, coefficient boxes, sections, notes and the grade, kept up to date, the events that
// announce placing, replacing, removing, the outcome of a check and a restart, and what pressing
// a blank does.
#include "assistive/keyboard_stop.h"
#include "assistive/names.h"
#include "content/drawings.h"
#include "content/geometry.h"
#include "content/spoken.h"
#include "content/texts.h"
#include "model/marking.h"
#include "support/screen_reader.h"
#include "support/window_fixture.h"
#include "view/section_view.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QScrollBar>
#include <QSet>
#include <QTest>

namespace {

namespace spoken = content::spoken;

QAccessibleInterface* of(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget);
}

QString spokenName(QWidget* widget) {
    return of(widget)->text(QAccessible::Name);
}

// The children of a container that a screen reader finds, with one role, by name.
QStringList namedChildren(QWidget* container, QAccessible::Role role) {
    QStringList names;
    QAccessibleInterface* parent = of(container);
    for (int i = 0; i < parent->childCount(); ++i) {
        QAccessibleInterface* child = parent->child(i);
        if (child && child->role() == role)
            names << child->text(QAccessible::Name);
    }
    return names;
}

QString blankName(int picture, const QString& which, const QString& holds) {
    return spoken::blankName().arg(content::reactionDrawing(picture).accessibleName(), which, holds);
}

// Space on a blank until it holds `compound`, its section in view.
void putByKeys(WindowFixture& f, int blank, int compound) {
    f.showSection(model::sectionOfBlank(blank));
    for (int presses = 0; f.worksheet.compoundIn(blank) != compound; ++presses) {
        QVERIFY2(presses < model::kCompounds, "the compound never came round");
        QTest::keyClick(f.stop(blank), Qt::Key_Space);
    }
}

void showActive(WindowFixture& f) {
    f.window->show();
    f.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
}

void key(QWidget* to, Qt::Key k) {
    QTest::keyClick(to, k);
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    // Of each palette stack only the front card is found, named after its compound, left to
    // right in palette order.
    void thePaletteShowsOneNamedCardPerCompound() {
        WindowFixture f;
        const QStringList cards = namedChildren(&f.board, QAccessible::Graphic);
        QCOMPARE(cards.size(), model::kCompounds);
        for (int compound = 0; compound < model::kCompounds; ++compound)
            QCOMPARE(cards[f.worksheet.columnOf(compound)], spoken::compound(compound));

        // The point under a card finds that card.
        const QRect card = content::toPixels(content::paletteCard(f.worksheet.columnOf(Propanoic)));
        f.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        const QPoint middle = f.board.mapToGlobal(card.center());
        QAccessibleInterface* found = of(&f.board)->childAt(middle.x(), middle.y());
        QVERIFY(found);
        QCOMPARE(found->text(QAccessible::Name), spoken::compound(Propanoic));
        QCOMPARE(found->role(), QAccessible::Graphic);
        QVERIFY(found->rect().contains(middle));
        QCOMPARE(found->parent(), of(&f.board));
        QCOMPARE(found->text(QAccessible::Description), QString());
    }

    // A section shows its reactions by name and, once placed, the compounds in its blanks;
    // a removed compound is no longer found there.
    void sectionsShowReactionsAndPlacedCompounds() {
        WindowFixture f;
        QWidget* section0 = f.board.sectionView(0);
        QCOMPARE(namedChildren(section0, QAccessible::Graphic),
                 QStringList({"Καταλυτική οξείδωση βουτανίου, C4H10",
                              "Αιθανάλη, CH3CHO, και οξυγόνο, O2, με καταλύτες",
                              "Μεθανόλη, CH3OH, και μονοξείδιο του άνθρακα, CO, με καταλύτες"}));
        f.fill(1, Ethanoic);
        QVERIFY(namedChildren(section0, QAccessible::Graphic).contains(spoken::compound(Ethanoic)));
        f.showSection(0);
        QTest::keyClick(f.stop(1), Qt::Key_Delete);
        QVERIFY(
            !namedChildren(section0, QAccessible::Graphic).contains(spoken::compound(Ethanoic)));
        // A hidden note is not found; the shown title is.
        QVERIFY(
            !namedChildren(section0, QAccessible::StaticText).contains(content::texts::note(0)));
        QVERIFY(namedChildren(section0, QAccessible::StaticText)
                    .contains(content::texts::sectionTitle(0)));
    }

    // A blank names its reaction, which blank it is and what it holds, after every change.
    void blanksNameWhatTheyHold() {
        WindowFixture f;
        QCOMPARE(spokenName(f.stop(0)), blankName(0, spoken::onlyBlank(), spoken::emptyBlank()));
        QCOMPARE(spokenName(f.stop(6)), blankName(5, spoken::firstBlank(), spoken::emptyBlank()));
        QCOMPARE(spokenName(f.stop(17)), blankName(10, spoken::secondBlank(), spoken::emptyBlank()));
        QCOMPARE(of(f.stop(0))->role(), QAccessible::Button);
        QCOMPARE(of(f.stop(0))->text(QAccessible::Description), spoken::blankKeys());

        f.fill(7, Water); // by the mouse
        QCOMPARE(spokenName(f.stop(7)), blankName(5, spoken::secondBlank(), spoken::compound(Water)));
        putByKeys(f, 7, Ammonia); // replaced by the keyboard
        QCOMPARE(spokenName(f.stop(7)),
                 blankName(5, spoken::secondBlank(), spoken::compound(Ammonia)));
        f.give(Command::Check); // the check takes the wrong compound out
        QCOMPARE(spokenName(f.stop(7)), blankName(5, spoken::secondBlank(), spoken::emptyBlank()));
        f.fill(6, GeneralAcid);
        f.give(Command::Restart);
        QCOMPARE(spokenName(f.stop(6)), blankName(5, spoken::firstBlank(), spoken::emptyBlank()));
    }

    // A coefficient box says the term it multiplies and its reaction; no two sound alike, even
    // with one compound in both blanks of a reaction.
    void boxesSayTheirTermAndReaction() {
        WindowFixture f;
        const auto name = [&](int box) { return f.box(box)->accessibleName(); };
        QCOMPARE(name(0), QString("Συντελεστής του C4H10, καταλυτική οξείδωση βουτανίου"));
        QCOMPARE(name(3), QString("Συντελεστής του O2, οξείδωση αιθανάλης"));
        QCOMPARE(name(1), QString("Συντελεστής του προϊόντος, καταλυτική οξείδωση βουτανίου"));
        f.fill(0, Ethanoic);
        QCOMPARE(name(1),
                 QString("Συντελεστής του προϊόντος CH3COOH, καταλυτική οξείδωση βουτανίου"));
        for (int picture : {1, 2})
            f.fill(model::firstBlankOf(picture) + 0, Water);
        for (int picture : {8, 9, 10}) {
            f.fill(model::firstBlankOf(picture) + 0, Ammonia);
            f.fill(model::firstBlankOf(picture) + 1, Ammonia);
        }
        QCOMPARE(name(15), QString("Συντελεστής του δεύτερου προϊόντος NH3, υδρόλυση "
                                   "προπανονιτριλίου"));
        QSet<QString> names;
        for (int box = 0; box < model::kCoefficientBoxes; ++box)
            names.insert(name(box));
        QCOMPARE(names.size(), model::kCoefficientBoxes);
        QCOMPARE(of(f.box(15))->text(QAccessible::Name), name(15));
    }

    // The scroll bar and each section's box are named after the section; the scroll bar's name
    // follows the section in view.
    void sectionsAreNamed() {
        WindowFixture f;
        QCOMPARE(f.board.scrollBar()->accessibleName(),
                 QString("Ενότητα 1 από 5, Βιομηχανική παρασκευή"));
        f.showSection(2);
        QCOMPARE(f.board.scrollBar()->accessibleName(),
                 QString("Ενότητα 3 από 5, Ανώτερα οξέα από τα λίπη"));
        QCOMPARE(spokenName(f.board.sectionView(3)), QString("Ενότητα 4 από 5, Στο εργαστήριο"));
    }

    // Every command of the menu bar can be pressed; the bar between them is a separator.
    void theSeparatorIsNoCommand() {
        WindowFixture f;
        QAccessibleInterface* bar = of(f.window->menuBar());
        QCOMPARE(bar->childCount(), 8);
        for (int i = 0; i < bar->childCount(); ++i) {
            QAccessibleInterface* item = bar->child(i);
            const bool separator = item->object() == f.command(Command::Separator);
            QCOMPARE(item->role(), separator ? QAccessible::Separator : QAccessible::MenuItem);
            QAccessibleActionInterface* actions = item->actionInterface();
            QCOMPARE(actions &&
                         actions->actionNames().contains(QAccessibleActionInterface::pressAction()),
                     !separator);
        }
    }

    // What a check did, in words: the sections found right, the compounds sent back, the
    // reactions whose coefficients were emptied.
    void theCheckIsToldInWords_data() {
        QTest::addColumn<QList<int>>("right");
        QTest::addColumn<int>("returned");
        QTest::addColumn<int>("cleared");
        QTest::addColumn<QString>("told");
        QTest::newRow("nothing") << QList<int>{} << 0 << 0
                                 << "Καμία ενότητα δεν είναι σωστή. Καμία ένωση δεν επέστρεψε "
                                    "στην παλέτα.";
        QTest::newRow("one of each") << QList<int>{4} << 1 << 1
                                     << "Σωστή η ενότητα 5. Μία ένωση επέστρεψε στην παλέτα. "
                                        "Σβήστηκαν οι λάθος συντελεστές μιας αντίδρασης.";
        QTest::newRow("several") << QList<int>{0, 1, 3} << 4 << 2
                                 << "Σωστές οι ενότητες 1, 2 και 4. 4 ενώσεις επέστρεψαν στην "
                                    "παλέτα. Σβήστηκαν οι λάθος συντελεστές 2 αντιδράσεων.";
    }
    void theCheckIsToldInWords() {
        QFETCH(QList<int>, right);
        QFETCH(int, returned);
        QFETCH(int, cleared);
        model::Marking marking;
        for (int section : right)
            marking.fullMarks[section] = true;
        marking.emptied.assign(returned, 0);
        marking.cleared.assign(cleared, 0);
        QTEST(assistive::checkOutcome(marking), "told");
    }

    // A screen reader's "press" on a blank does what Space does, its section brought into view.
    void pressingABlankPlacesTheNextCompound() {
        WindowFixture f;
        QAccessibleActionInterface* actions = of(f.stop(7))->actionInterface();
        QVERIFY(actions);
        QCOMPARE(actions->actionNames().front(), QAccessibleActionInterface::pressAction());
        actions->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(f.board.sectionInView(), 3);
        QCOMPARE(f.worksheet.columnOf(f.worksheet.compoundIn(7)), 0);
    }

    // Placing, replacing and removing are heard as a new name of the blank; a check is heard
    // as the grade appearing, with an alert, and as the notes of right sections appearing.
    void changesAndTheCheckAreAnnounced() {
        WindowFixture f;
        ScreenReader listening;

        f.showSection(2);
        putByKeys(f, 5, GeneralAcid);
        const QString holding = blankName(4, spoken::onlyBlank(), spoken::compound(GeneralAcid));
        QVERIFY(listening.has(QAccessible::NameChanged, holding));
        putByKeys(f, 5, Water);
        QVERIFY(listening.has(QAccessible::NameChanged,
                              blankName(4, spoken::onlyBlank(), spoken::compound(Water))));
        putByKeys(f, 5, GeneralAcid);
        listening.heard.clear();
        QTest::keyClick(f.stop(5), Qt::Key_Delete);
        QVERIFY(listening.has(QAccessible::NameChanged,
                              blankName(4, spoken::onlyBlank(), spoken::emptyBlank())));
        QCOMPARE(spokenName(f.stop(5)), blankName(4, spoken::onlyBlank(), spoken::emptyBlank()));

        putByKeys(f, 5, GeneralAcid);
        listening.heard.clear();
        f.give(Command::Check);
        const QString grade = QStringLiteral("3%");
        QCOMPARE(f.gradePlace()->text(QAccessible::Name), grade);
        QCOMPARE(f.gradePlace()->text(QAccessible::Description), spoken::gradeLabel());
        QVERIFY(listening.has(QAccessible::ObjectShow, grade));
        // The grade's stop, which takes the focus, says the grade and what the check did.
        QWidget* gradeStop = f.gradeStop();
        QVERIFY(gradeStop->isVisibleTo(f.window.get()));
        QCOMPARE(spokenName(gradeStop),
                 QString("Βαθμός: 3 %. Σωστή η ενότητα 3. Καμία ένωση δεν επέστρεψε στην παλέτα."));
        QVERIFY(listening.has(QAccessible::ObjectShow, content::texts::note(2)));
        QVERIFY(!listening.has(QAccessible::ObjectShow, content::texts::note(0)));

        // The grade and the note are found where they show.
        QVERIFY(namedChildren(&f.board, QAccessible::StaticText).contains(grade));
        QVERIFY(namedChildren(f.board.sectionView(2), QAccessible::StaticText)
                    .contains(content::texts::note(2)));

        // The next drag hides them again, and says so.
        listening.heard.clear();
        f.grab(Water);
        f.releaseAt({6000, 300});
        QVERIFY(listening.has(QAccessible::ObjectHide, grade));
        QVERIFY(listening.has(QAccessible::ObjectHide, content::texts::note(2)));
        QVERIFY(!gradeStop->isVisibleTo(f.window.get()));

        // A check that sends compounds back and empties coefficients says so.
        f.fill(0, Ethanoic);
        f.fill(3, Water);
        f.fill(4, Water);
        f.fill(12, Water);
        f.give(Command::Check);
        QCOMPARE(spokenName(gradeStop),
                 QString("Βαθμός: 9 %. Σωστή η ενότητα 3. 2 ενώσεις επέστρεψαν στην παλέτα. "
                         "Σβήστηκαν οι λάθος συντελεστές μιας αντίδρασης."));

        // A restart changes the palette's front cards, and says so.
        listening.heard.clear();
        f.give(Command::Restart);
        for (int compound = 0; compound < model::kCompounds; ++compound)
            QVERIFY(listening.has(QAccessible::ObjectCreated, spoken::compound(compound)));
    }

    // What the student does to a blank is said at once, as a notification a screen reader
    // speaks wherever the focus is: on the focused blank the compound it now holds, or that it
    // is empty; on any other, as after the mouse, the blank's whole name. Nothing else is.
    void changesOfABlankAreSaidAtOnce() {
        WindowFixture f;
        showActive(f);
        ScreenReader listening;
        auto* first = f.stop(0);
        first->setFocus();

        key(first, Qt::Key_Space);
        const int compound = f.worksheet.compoundIn(0);
        QCOMPARE(listening.said(), QStringList{spoken::compound(compound)});
        listening.heard.clear();
        key(first, Qt::Key_Space);
        QCOMPARE(listening.said(), QStringList{spoken::compound(f.worksheet.compoundIn(0))});
        listening.heard.clear();
        key(first, Qt::Key_Delete);
        QCOMPARE(listening.said(), QStringList{spoken::emptyBlank()});

        listening.heard.clear();
        f.showSection(3);
        f.fill(7, Water);
        QCOMPARE(listening.said(),
                 QStringList{blankName(5, spoken::secondBlank(), spoken::compound(Water))});
        listening.heard.clear();
        f.fill(7, Ammonia);
        QCOMPARE(listening.said(),
                 QStringList{blankName(5, spoken::secondBlank(), spoken::compound(Ammonia))});
        listening.heard.clear();
        f.doubleClick(f.onBlank(7));
        QCOMPARE(listening.said(),
                 QStringList{blankName(5, spoken::secondBlank(), spoken::emptyBlank())});

        // A card dropped where it takes no place, a check and a restart say no blank.
        listening.heard.clear();
        f.grab(Water);
        f.releaseAt({6000, 300});
        f.fill(6, Water);
        listening.heard.clear();
        f.give(Command::Check);
        f.give(Command::Restart);
        QVERIFY2(listening.said().isEmpty(), qPrintable(listening.said().join('/')));
    }

    // The check is heard whole, the grade first: the grade's stop takes the focus named with
    // both; when it has the focus already (a second check, nothing changed between), a reader
    // would not speak it again, so the same words are said.
    void theCheckIsHeardWholeWhereverTheFocusIs() {
        WindowFixture f;
        showActive(f);
        ScreenReader listening;
        f.stop(0)->setFocus();
        f.fill(5, GeneralAcid);
        f.fill(3, Ammonia);
        listening.heard.clear();
        f.give(Command::Check);
        QWidget* gradeStop = f.gradeStop();
        const QString whole("Βαθμός: 3 %. Σωστή η ενότητα 3. Μία ένωση επέστρεψε στην παλέτα.");
        QCOMPARE(QApplication::focusWidget(), gradeStop);
        QCOMPARE(spokenName(gradeStop), whole);
        QVERIFY(listening.said().isEmpty());

        listening.heard.clear();
        f.give(Command::Check);
        const QString again("Βαθμός: 3 %. Σωστή η ενότητα 3. Καμία ένωση δεν επέστρεψε στην "
                            "παλέτα.");
        QCOMPARE(QApplication::focusWidget(), gradeStop);
        QCOMPARE(spokenName(gradeStop), again);
        QCOMPARE(listening.said(), QStringList{again});
    }

    // The keys of a blank are heard once: every blank is described with them after start-up
    // and after a restart, until the first blank reached is left; F1 says them again.
    void theKeysAreHeardOnceAndOnRequest() {
        WindowFixture f;
        showActive(f);
        ScreenReader listening;
        const auto description = [&](int slot) {
            return of(f.stop(slot))->text(QAccessible::Description);
        };
        for (int slot : {0, 1, 2, 17})
            QCOMPARE(description(slot), spoken::blankKeys());
        f.stop(0)->setFocus();
        QCOMPARE(description(0), spoken::blankKeys());
        key(f.stop(0), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), f.stop(1));
        for (int slot : {0, 1, 2, 17})
            QCOMPARE(description(slot), QString());

        key(f.stop(1), Qt::Key_F1);
        QCOMPARE(listening.said(), QStringList{spoken::blankKeys()});
        QCOMPARE(f.worksheet.compoundIn(1), model::kNone);

        f.board.scrollBar()->setFocus();
        f.give(Command::Restart);
        QCOMPARE(QApplication::focusWidget(), f.stop(0));
        for (int slot : {0, 1, 2, 17})
            QCOMPARE(description(slot), spoken::blankKeys());
    }

    // A restart puts the focus on the first blank of the section in view, which a reader speaks
    // with the keys; when that blank has the focus already, its name and the keys are said.
    void theRestartIsHeardWhereverTheFocusIs() {
        WindowFixture f;
        showActive(f);
        ScreenReader listening;
        auto* first = f.stop(0);
        first->setFocus();
        key(first, Qt::Key_Space);
        listening.heard.clear();
        f.give(Command::Restart);
        QCOMPARE(QApplication::focusWidget(), first);
        QCOMPARE(listening.said(),
                 QStringList{blankName(0, spoken::onlyBlank(), spoken::emptyBlank()) + " | " +
                             spoken::blankKeys()});
    }
};

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
