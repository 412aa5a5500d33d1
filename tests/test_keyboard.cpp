// The worksheet without a mouse: blanks as keyboard stops, compounds put, replaced and taken
// out with keys to the same effect as the mouse, the section turned with Page Up and Page Down,
// the menu bar reached with F10, and a whole worksheet done by keys alone.
#include "assistive/keyboard_stop.h"
#include "assistive/names.h"
#include "content/geometry.h"
#include "content/spoken.h"
#include "support/window_fixture.h"
#include "view/section_view.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <optional>

namespace {

QWidget* focused() {
    return QApplication::focusWidget();
}

void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(focused(), k, modifiers);
}

void showActive(WindowFixture& f) {
    f.window->show();
    f.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
}

// Everything the mouse and the keyboard must leave alike: every blank, the palette's stacks,
// every box shown or not and its text, the grade and the notes.
QStringList state(const WindowFixture& f) {
    QStringList lines;
    for (int blank = 0; blank < model::kBlanks; ++blank)
        lines << QString("blank %1: %2").arg(blank).arg(f.worksheet.compoundIn(blank));
    for (int column = 0; column < model::kCompounds; ++column)
        lines << QString("column %1: %2 cards").arg(column).arg(f.board.cardsOn(column));
    for (int b = 0; b < model::kCoefficientBoxes; ++b) {
        const QLineEdit* edit = f.box(b);
        lines << QString("box %1: %2 '%3'").arg(b).arg(!edit->isHidden()).arg(edit->text());
    }
    lines << QString("grade %1").arg(f.worksheet.grade().value_or(-1));
    for (int s = 0; s < model::kSections; ++s)
        lines << QString("note %1: %2").arg(s).arg(f.worksheet.isNoteShown(s));
    return lines;
}

void compareStates(const WindowFixture& mouse, const WindowFixture& keys, const char* step) {
    const QStringList a = state(mouse);
    const QStringList b = state(keys);
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i] != b[i])
            QFAIL(qPrintable(QString("after %1: mouse %2, keyboard %3").arg(step, a[i], b[i])));
    }
}

// Space on a blank until it holds `compound`, as a student listening to its name does.
void putByKeys(WindowFixture& f, int blank, int compound) {
    QWidget* stop = f.stop(blank);
    for (int presses = 0; f.worksheet.compoundIn(blank) != compound; ++presses) {
        QVERIFY2(presses < model::kCompounds, "the compound never came round");
        QTest::keyClick(stop, Qt::Key_Space);
    }
}

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    // Space on any blank puts the first column's compound into that very blank, and no other.
    void keysReachEveryBlank() {
        WindowFixture f;
        for (int blank = 0; blank < model::kBlanks; ++blank) {
            f.showSection(model::sectionOfBlank(blank));
            QTest::keyClick(f.stop(blank), Qt::Key_Space);
            for (int other = 0; other < model::kBlanks; ++other)
                QCOMPARE(f.worksheet.compoundIn(other),
                         other <= blank ? f.worksheet.compoundInColumn(0) : model::kNone);
        }
    }

    // Putting, replacing and taking out by keys leaves the window as the mouse leaves it.
    void keysAndMouseLeaveTheSameWindow() {
        WindowFixture mouse;
        WindowFixture keys;
        mouse.usePalette({4, 2, 0, 1, 3});
        keys.usePalette({4, 2, 0, 1, 3});
        compareStates(mouse, keys, "start");

        struct Step {
            const char* name;
            int blank;
            int compound; // -1 takes out
        };
        const Step steps[] = {
            {"putting into picture 0", 0, Ethanoic},
            {"replacing in picture 0", 0, Water},
            {"putting into picture 1", 1, Ethanoic},
            {"taking out of picture 0", 0, -1},
            {"putting left of picture 8", 12, Ethanoic},
            {"putting right of picture 8", 13, Water},
            {"replacing right of picture 8", 13, Ammonia},
            {"taking out left of picture 8", 12, -1},
            {"putting left of picture 3", 3, GeneralAcid},
            {"putting right of picture 3", 4, GeneralAcid},
            {"taking out right of picture 3", 4, -1},
        };
        for (const Step& step : steps) {
            const int section = model::sectionOfBlank(step.blank);
            mouse.showSection(section);
            keys.showSection(section);
            if (step.compound >= 0) {
                mouse.fill(step.blank, step.compound);
                putByKeys(keys, step.blank, step.compound);
            } else {
                const model::Rect card = content::placedCard(step.blank);
                const model::Rect box = content::sectionBox(section);
                mouse.doubleClick({content::kViewport.left + box.left + card.left + 600,
                                   content::kViewport.top + box.top + card.top + 200});
                QTest::keyClick(keys.stop(step.blank), Qt::Key_Delete);
            }
            compareStates(mouse, keys, step.name);
        }
    }

    // Space, Enter and the arrows walk the compounds in palette order, wrapping round; an empty
    // blank starts from the first column forwards and from the last one backwards. Delete and
    // Backspace take the compound out; keys with Ctrl or Alt are not the blank's.
    void keysCycleTheCompoundsInPaletteOrder() {
        WindowFixture f;
        showActive(f);
        auto* stop = f.stop(5);
        f.showSection(2);
        stop->setFocus();
        QCOMPARE(focused(), stop);
        const auto column = [&] { return f.worksheet.columnOf(f.worksheet.compoundIn(5)); };

        key(Qt::Key_Space);
        QCOMPARE(column(), 0);
        key(Qt::Key_Return);
        QCOMPARE(column(), 1);
        key(Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(column(), 2);
        key(Qt::Key_Right);
        QCOMPARE(column(), 3);
        key(Qt::Key_Down);
        QCOMPARE(column(), 4);
        key(Qt::Key_Space);
        QCOMPARE(column(), 0);
        key(Qt::Key_Left);
        QCOMPARE(column(), 4);
        key(Qt::Key_Up);
        QCOMPARE(column(), 3);
        // Each replaced compound went back: only the one in the blank is off its stack.
        for (int c = 0; c < model::kCompounds; ++c)
            QCOMPARE(f.board.cardsOn(c), model::kCardsPerCompound - (c == column() ? 1 : 0));

        key(Qt::Key_Delete);
        QCOMPARE(f.worksheet.compoundIn(5), model::kNone);
        key(Qt::Key_Up);
        QCOMPARE(column(), 4);
        key(Qt::Key_Backspace);
        QCOMPARE(f.worksheet.compoundIn(5), model::kNone);
        key(Qt::Key_Delete);
        QCOMPARE(f.worksheet.compoundIn(5), model::kNone);
        for (int c = 0; c < model::kCompounds; ++c)
            QCOMPARE(f.board.cardsOn(c), model::kCardsPerCompound);
        key(Qt::Key_Space, Qt::ControlModifier);
        key(Qt::Key_Space, Qt::AltModifier);
        QCOMPARE(f.worksheet.compoundIn(5), model::kNone);
    }

    // Page Down and Page Up on a blank turn the section as the scroll bar does and go straight
    // on to the first blank of the section shown, by way of nothing else; at either end nothing
    // turns.
    void pageKeysTurnSectionsFromABlank() {
        WindowFixture f;
        showActive(f);
        f.stop(2)->setFocus();
        QList<QWidget*> focusedOnTheWay;
        QObject watching;
        QObject::connect(qApp, &QApplication::focusChanged, &watching, [&](QWidget*, QWidget* now) {
            if (now)
                focusedOnTheWay << now;
        });
        key(Qt::Key_PageDown);
        QCOMPARE(f.board.sectionInView(), 1);
        QVERIFY(f.board.sectionView(1)->isVisible());
        QVERIFY(!f.board.sectionView(0)->isVisible());
        QCOMPARE(focusedOnTheWay, QList<QWidget*>{f.stop(3)});
        key(Qt::Key_PageDown);
        key(Qt::Key_PageDown);
        key(Qt::Key_PageDown);
        QCOMPARE(focused(), f.stop(12));
        key(Qt::Key_PageDown);
        QCOMPARE(f.board.sectionInView(), 4);
        QCOMPARE(focused(), f.stop(12));
        key(Qt::Key_PageUp);
        QCOMPARE(f.board.sectionInView(), 3);
        QCOMPARE(focused(), f.stop(6));

        // On the scroll bar itself the keys work as they always did.
        f.board.scrollBar()->setFocus();
        key(Qt::Key_PageUp);
        QCOMPARE(f.board.sectionInView(), 2);
        key(Qt::Key_Up);
        QCOMPARE(f.board.sectionInView(), 1);
        QVERIFY(f.board.sectionView(1)->isVisible());
    }

    // Wherever the focus is on the worksheet the page keys turn the section: from a coefficient
    // box the focus goes on to the first blank of the section shown, as from a blank; the grade
    // stays in view, and the focus with it.
    void pageKeysTurnSectionsFromABoxAndFromTheGrade() {
        WindowFixture f;
        showActive(f);
        f.fill(0, Ethanoic);
        f.box(0)->setFocus();
        key(Qt::Key_PageDown);
        QCOMPARE(f.board.sectionInView(), 1);
        QCOMPARE(focused(), f.stop(3));
        f.give(Command::Check);
        QCOMPARE(focused(), f.gradeStop());
        key(Qt::Key_PageDown);
        QCOMPARE(f.board.sectionInView(), 2);
        key(Qt::Key_PageUp);
        key(Qt::Key_PageUp);
        QCOMPARE(f.board.sectionInView(), 0);
        QCOMPARE(focused(), f.gradeStop());
    }

    // A compound the mouse takes out while the student types in its reaction's box leaves them
    // in that reaction, on the blank emptied, never on another reaction's blank, where the next
    // Space would put a compound unseen.
    void aRemovalByTheMouseKeepsTheFocusInItsReaction() {
        WindowFixture f;
        showActive(f);
        f.fill(14, Propanoic);
        f.fill(15, Water);
        f.box(12)->setFocus();
        QTest::keyClick(f.box(12), Qt::Key_2);
        f.doubleClick(f.onPlacedCard(15));
        QCOMPARE(f.worksheet.compoundIn(15), model::kNone);
        QCOMPARE(focused(), f.stop(15));
    }

    // The scroll bar reached by the keyboard frames itself, as the blanks do, whatever the style.
    void theFocusedScrollBarIsFramed() {
        WindowFixture f;
        showActive(f);
        QScrollBar* bar = f.board.scrollBar();
        f.stop(0)->setFocus();
        const QImage before = bar->grab().toImage();
        key(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(focused(), bar);
        const QImage framed = bar->grab().toImage();
        const QColor edge = framed.pixelColor(0, framed.height() / 2);
        QVERIFY2(edge.blue() > 100 && edge.red() < 60 && edge.green() < 60,
                 qPrintable(edge.name()));
        QVERIFY(before.pixelColor(0, before.height() / 2) != edge);
    }

    // The focus frame is drawn around the focused blank only, and never hides the blank.
    void theFocusedBlankIsFramed() {
        WindowFixture f;
        showActive(f);
        auto* stop = f.stop(0);
        const QImage before = stop->grab().toImage();
        stop->setFocus();
        const QImage framed = stop->grab().toImage();
        QVERIFY(before != framed);
        const QColor edge = framed.pixelColor(framed.width() / 2, 0);
        QVERIFY2(edge.blue() > 100 && edge.red() < 60 && edge.green() < 60,
                 qPrintable(edge.name()));
        // Inside the frame the green blank shows as before.
        const QPoint middle(framed.width() / 2, framed.height() / 2);
        QCOMPARE(framed.pixelColor(middle), before.pixelColor(middle));
        f.board.scrollBar()->setFocus();
        QCOMPARE(stop->grab().toImage(), before);
    }

    // F10 highlights the first command; the arrows walk the commands past the separator,
    // wrapping round either way; Enter gives the command; Escape and F10 hand the focus back.
    void theMenuBarWorksFromTheKeyboard() {
        WindowFixture f;
        showActive(f);
        auto* stop = f.stop(0);
        stop->setFocus();
        QMenuBar& bar = *f.window->menuBar();

        key(Qt::Key_F10);
        QCOMPARE(focused(), &bar);
        QCOMPARE(bar.activeAction(), f.command(Command::Help));
        key(Qt::Key_Right);
        key(Qt::Key_Right);
        key(Qt::Key_Right);
        QCOMPARE(bar.activeAction(), f.command(Command::Sheet));
        key(Qt::Key_Right);
        QCOMPARE(bar.activeAction(), f.command(Command::HandIn));
        key(Qt::Key_Right);
        QCOMPARE(bar.activeAction(), f.command(Command::About));
        key(Qt::Key_Left);
        QCOMPARE(bar.activeAction(), f.command(Command::HandIn));
        key(Qt::Key_End);
        QCOMPARE(bar.activeAction(), f.command(Command::Exit));
        key(Qt::Key_Right);
        QCOMPARE(bar.activeAction(), f.command(Command::Help));
        key(Qt::Key_Left);
        QCOMPARE(bar.activeAction(), f.command(Command::Exit));
        key(Qt::Key_Escape);
        QCOMPARE(focused(), stop);
        QCOMPARE(bar.activeAction(), nullptr);

        key(Qt::Key_F10);
        key(Qt::Key_F10);
        QCOMPARE(focused(), stop);

        // "Έλεγχος" from the keyboard: the grade shows and takes the focus, which Tab takes on to
        // the scroll bar; a restart puts it on the first blank of the section in view.
        key(Qt::Key_F10);
        key(Qt::Key_Right);
        QCOMPARE(bar.activeAction(), f.command(Command::Check));
        key(Qt::Key_Return);
        QCOMPARE(f.worksheet.grade(), std::optional<int>(0));
        QCOMPARE(focused(), f.gradeStop());
        key(Qt::Key_Tab);
        QCOMPARE(focused(), f.board.scrollBar());
        key(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(focused(), f.gradeStop());
        f.showSection(3);
        key(Qt::Key_F10);
        key(Qt::Key_Right);
        key(Qt::Key_Right);
        key(Qt::Key_Return);
        QVERIFY(!f.worksheet.grade());
        QCOMPARE(focused(), f.stop(6));

        // "Φύλλο εργασίας" with the space bar.
        key(Qt::Key_F10);
        key(Qt::Key_Home);
        key(Qt::Key_Right);
        key(Qt::Key_Right);
        key(Qt::Key_Right);
        key(Qt::Key_Space);
        QCOMPARE(f.opened.size(), size_t(1));
        QCOMPARE(bar.activeAction(), nullptr);
    }

    // After a command given from the menu bar by keys the focus is back where the student was,
    // even where another window took the input between F10 and Enter, or the window came back
    // without its focus: the help, the hand-in's dialog and the About window close on the blank
    // they opened from.
    void aCommandByKeysLeavesTheFocusWhereItWas_data() {
        QTest::addColumn<int>("rightOfHelp");
        QTest::newRow("help") << 0;
        QTest::newRow("hand in") << 4;
        QTest::newRow("about") << 5;
    }
    void aCommandByKeysLeavesTheFocusWhereItWas() {
        QFETCH(int, rightOfHelp);
        WindowFixture f;
        showActive(f);
        auto* stop = f.stop(1);
        stop->setFocus();
        key(Qt::Key_F10);
        for (int step = 0; step < rightOfHelp; ++step)
            key(Qt::Key_Right);
        QWidget elsewhere;
        elsewhere.show();
        elsewhere.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
        elsewhere.hide();
        showActive(f);
        bool opened = false;
        QTimer::singleShot(0, [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                opened = true;
                modal->close();
            }
        });
        key(Qt::Key_Return);
        QVERIFY(opened);
        f.window->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), f.window.get());
        QCOMPARE(focused(), stop);
    }

    // No key reaches a blank, the section or the menu bar while a card is being dragged.
    void keysWaitWhileACardIsDragged() {
        WindowFixture f;
        showActive(f);
        auto* stop = f.stop(0);
        stop->setFocus();
        f.grab(Water);
        key(Qt::Key_Space);
        key(Qt::Key_F10);
        key(Qt::Key_PageDown);
        QCOMPARE(f.worksheet.compoundIn(0), model::kNone);
        QCOMPARE(focused(), stop);
        QCOMPARE(f.board.sectionInView(), 0);
        f.releaseAt({6000, 300});
        key(Qt::Key_Space);
        QVERIFY(f.worksheet.compoundIn(0) != model::kNone);
    }

    // A whole worksheet by keys alone: Tab to each blank, Space until its name says the right
    // compound, Tab through the boxes typing the coefficients, Page Down to the next section,
    // then F10, Right and Enter for the check.
    void aWholeWorksheetByKeysReachesFullMarks() {
        WindowFixture f;
        showActive(f);
        QCOMPARE(focused(), f.board.scrollBar());
        const auto heard = [] {
            return QAccessible::queryAccessibleInterface(focused())->text(QAccessible::Name);
        };
        for (int section = 0; section < model::kSections; ++section) {
            for (int picture = 0; picture < model::kReactions; ++picture) {
                if (model::reaction(picture).section != section)
                    continue;
                const int first = model::firstBlankOf(picture);
                for (int slot = first; slot < first + model::reaction(picture).blankCount; ++slot) {
                    key(Qt::Key_Tab);
                    QCOMPARE(focused(), f.stop(slot));
                    const QString wanted =
                        content::spoken::compound(model::blankRecord(slot).answer);
                    for (int presses = 0; !heard().endsWith(wanted); ++presses) {
                        QVERIFY2(presses < model::kCompounds, qPrintable(heard()));
                        key(Qt::Key_Space);
                    }
                }
                // The reaction's boxes come right after its blanks, once those are filled.
                const model::Reaction& reaction = model::reaction(picture);
                for (int i = 0; i < reaction.boxCount; ++i) {
                    key(Qt::Key_Tab);
                    QCOMPARE(focused(), f.box(model::firstBoxOf(picture) + i));
                    QTest::keyClicks(focused(), QString::number(reaction.ratio[i]));
                }
            }
            // Past the section's last stop the focus comes round to the scroll bar.
            key(Qt::Key_Tab);
            QCOMPARE(focused(), f.board.scrollBar());
            QCOMPARE(heard(), assistive::sectionName(section));
            key(Qt::Key_PageDown);
        }
        key(Qt::Key_F10);
        key(Qt::Key_Right);
        key(Qt::Key_Return);
        QCOMPARE(f.worksheet.grade(), std::optional<int>(100));
        QCOMPARE(focused(), f.gradeStop());
        QCOMPARE(heard(), QString("Βαθμός: 100 %. Σωστές οι ενότητες 1, 2, 3, 4 και 5. Καμία "
                                  "ένωση δεν επέστρεψε στην παλέτα."));
        for (int section = 0; section < model::kSections; ++section)
            QVERIFY(f.worksheet.isNoteShown(section));
    }
};

QTEST_MAIN(KeyboardTest)
#include "test_keyboard.moc"
