// The worksheet without a mouse: blanks as keyboard stops, compounds placed, replaced and
// removed with keys exactly as the mouse would, the section turned with Page Up and Page Down,
// the menu bar reached with F10, and a whole worksheet done by keys alone.
#include "app/menu_bar.h"
#include "assistive/keyboard_placement.h"
#include "assistive/names.h"
#include "content/spoken.h"
#include "layout/send_home.h"
#include "support/window_fixture.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTest>

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

int compoundIn(const WindowFixture& f, int slot) {
    const auto copy = f.model.SlotTable[slot].Placed;
    return copy == model::kEmpty ? -1 : model::compoundOf(copy);
}

// Everything the mouse and the keyboard must leave alike: where every picture of every copy
// lies and whether it shows, the slot table, the boxes, the grade and the notes.
QStringList state(const WindowFixture& f) {
    QStringList lines;
    for (int k = 0; k < model::kCopies; ++k) {
        for (const controls::Image* p : f.ui.picturesOf(k))
            lines << QString("%1(%2) %3,%4 %5")
                         .arg(p->name())
                         .arg(k)
                         .arg(p->left())
                         .arg(p->top())
                         .arg(p->isVisible());
    }
    for (int s = 0; s < model::kSlots; ++s)
        lines << QString("slot %1: %2").arg(s).arg(f.model.SlotTable[s].Placed);
    for (int b = 0; b < model::kCoefficientBoxes; ++b)
        lines << QString("box %1: %2 '%3'")
                     .arg(b)
                     .arg(f.ui.tCoefficient(b).isVisible())
                     .arg(f.ui.tCoefficient(b).text());
    lines << QString("grade %1").arg(f.ui.LGrade.isVisible());
    for (int s = 0; s < model::kSections; ++s)
        lines << QString("note %1: %2").arg(s).arg(f.ui.Label1(s).isVisible());
    return lines;
}

// Gives `to` the palette order of `from` while nothing is placed, so that both windows can be
// compared picture for picture.
void samePalette(const WindowFixture& from, WindowFixture& to) {
    to.model.PaletteColumn = from.model.PaletteColumn;
    for (int k = 0; k < model::kCopies; ++k)
        layout::sendHome(to.ui, to.model, std::int16_t(k));
}

void compareStates(const WindowFixture& mouse, const WindowFixture& keys, const char* step) {
    const QStringList a = state(mouse);
    const QStringList b = state(keys);
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i] != b[i])
            QFAIL(qPrintable(QString("after %1: mouse %2, keyboard %3").arg(step, a[i], b[i])));
    }
}

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    // Every blank, placed into by the keyboard, takes the compound into its very slot.
    void keyboardPlacementReachesEverySlot() {
        WindowFixture f;
        for (int slot = 0; slot < model::kSlots; ++slot) {
            f.showSection(model::sectionOfBlank(slot));
            const int copy = f.frontCopy(model::blank(slot).answer);
            assistive::placeCompound(f.ws, slot, model::blank(slot).answer);
            QCOMPARE(f.model.SlotTable[slot].Placed, std::int16_t(copy));
        }
    }

    // Placing, replacing and removing by keys leaves the window as the mouse leaves it.
    void keysAndMouseLeaveTheSameWindow() {
        WindowFixture mouse;
        WindowFixture keys;
        samePalette(mouse, keys);
        compareStates(mouse, keys, "start");

        struct Step {
            const char* name;
            int slot;
            int compound; // -1 removes
        };
        const Step steps[] = {
            {"placing into picture 0", 0, Ethanoic},
            {"replacing in picture 0", 0, Water},
            {"placing into picture 1", 1, Ethanoic},
            {"removing from picture 0", 0, -1},
            {"placing left of picture 8", 12, Ethanoic},
            {"placing right of picture 8", 13, Water},
            {"replacing right of picture 8", 13, Ammonia},
            {"removing left of picture 8", 12, -1},
            {"placing left of picture 3", 3, GeneralAcid},
            {"placing right of picture 3", 4, GeneralAcid},
            {"removing right of picture 3", 4, -1},
        };
        for (const Step& step : steps) {
            const int picture = model::blank(step.slot).reaction;
            const int blank = model::blank(step.slot).side;
            mouse.showSection(model::sectionOfReaction(picture));
            keys.showSection(model::sectionOfReaction(picture));
            if (step.compound >= 0) {
                mouse.fill(picture, blank, step.compound);
                assistive::placeCompound(keys.ws, step.slot, step.compound);
            } else {
                const auto copy = mouse.model.SlotTable[step.slot].Placed;
                const auto& twin =
                    mouse.ui.ImgMolecularOfSection(model::sectionOfReaction(picture), copy);
                const QPointF middle =
                    WindowFixture::inClient(twin, {twin.width() / 2, twin.height() / 2});
                mouse.router().doubleClick(middle, Qt::LeftButton);
                mouse.router().release(middle, Qt::LeftButton);
                assistive::removeCompound(keys.ws, step.slot);
            }
            compareStates(mouse, keys, step.name);
        }
    }

    // Space, Enter and the arrows walk the compounds in palette order, wrapping round; an empty
    // blank starts from the first column forwards and from the last one backwards.
    void keysCycleTheCompoundsInPaletteOrder() {
        WindowFixture f;
        showActive(f);
        auto* stop = f.window->blankStops().stop(5);
        f.showSection(2);
        stop->setFocus();
        QCOMPARE(focused(), stop);
        const auto& columns = *f.model.PaletteColumn;
        const auto column = [&] { return columns[compoundIn(f, 5)]; };

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
        // Each replaced copy went home: one copy of each compound left its stack at most.
        for (int compound = 0; compound < model::kCompounds; ++compound)
            QCOMPARE(f.frontCopy(compound), compound == compoundIn(f, 5) ? compound + 5 : compound);

        key(Qt::Key_Delete);
        QCOMPARE(f.model.SlotTable[5].Placed, model::kEmpty);
        key(Qt::Key_Up);
        QCOMPARE(column(), 4);
        key(Qt::Key_Backspace);
        QCOMPARE(f.model.SlotTable[5].Placed, model::kEmpty);
        // Removing from an empty blank changes nothing.
        key(Qt::Key_Delete);
        QCOMPARE(f.model.SlotTable[5].Placed, model::kEmpty);
        for (int compound = 0; compound < model::kCompounds; ++compound)
            QCOMPARE(f.frontCopy(compound), compound);
        // Keys with Ctrl or Alt are not the blank's.
        key(Qt::Key_Space, Qt::ControlModifier);
        QCOMPARE(f.model.SlotTable[5].Placed, model::kEmpty);
    }

    // Page Down and Page Up on a blank turn the section as the scroll bar does and go straight
    // on to the first blank of the section shown, by way of nothing else; at either end nothing
    // turns.
    void pageKeysTurnSectionsFromABlank() {
        WindowFixture f;
        showActive(f);
        const auto& stops = f.window->blankStops();
        stops.stop(2)->setFocus();
        QList<QWidget*> focusedOnTheWay;
        QObject watching;
        QObject::connect(qApp, &QApplication::focusChanged, &watching, [&](QWidget*, QWidget* now) {
            if (now)
                focusedOnTheWay << now;
        });
        key(Qt::Key_PageDown);
        QCOMPARE(f.ui.VScroll1.value(), 1);
        QVERIFY(f.ui.Pic(1).isVisible());
        QVERIFY(!f.ui.Pic(0).isVisible());
        QCOMPARE(focusedOnTheWay, QList<QWidget*>{stops.stop(3)});
        key(Qt::Key_PageDown);
        key(Qt::Key_PageDown);
        key(Qt::Key_PageDown);
        QCOMPARE(focused(), stops.stop(12));
        key(Qt::Key_PageDown);
        QCOMPARE(f.ui.VScroll1.value(), 4);
        QCOMPARE(focused(), stops.stop(12));
        key(Qt::Key_PageUp);
        QCOMPARE(f.ui.VScroll1.value(), 3);
        QCOMPARE(focused(), stops.stop(6));

        // On the scroll bar itself the keys work as they always did.
        f.ui.VScroll1.widget()->setFocus();
        key(Qt::Key_PageUp);
        QCOMPARE(f.ui.VScroll1.value(), 2);
        key(Qt::Key_Up);
        QCOMPARE(f.ui.VScroll1.value(), 1);
        QVERIFY(f.ui.Pic(1).isVisible());
    }

    // The focus frame is drawn around the focused blank only, and never hides the blank.
    void theFocusedBlankIsFramed() {
        WindowFixture f;
        showActive(f);
        auto* stop = f.window->blankStops().stop(0);
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
        f.ui.VScroll1.widget()->setFocus();
        QCOMPARE(stop->grab().toImage(), before);
    }

    // F10 highlights the first command; the arrows walk the commands past the separator,
    // wrapping round; Enter gives the command; Escape and F10 hand the focus back.
    void theMenuBarWorksFromTheKeyboard() {
        WindowFixture f;
        showActive(f);
        auto* stop = f.window->blankStops().stop(0);
        stop->setFocus();
        auto& bar = f.window->keyboardMenuBar();

        key(Qt::Key_F10);
        QCOMPARE(focused(), &bar);
        QCOMPARE(bar.activeAction(), f.window->mnuHelp);
        key(Qt::Key_Right);
        key(Qt::Key_Right);
        key(Qt::Key_Right);
        QCOMPARE(bar.activeAction(), f.window->mnuSheet);
        key(Qt::Key_Right);
        QCOMPARE(bar.activeAction(), f.window->mnuAbout);
        key(Qt::Key_Left);
        QCOMPARE(bar.activeAction(), f.window->mnuSheet);
        key(Qt::Key_End);
        QCOMPARE(bar.activeAction(), f.window->mnuExit);
        key(Qt::Key_Right);
        QCOMPARE(bar.activeAction(), f.window->mnuHelp);
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
        QCOMPARE(bar.activeAction(), f.window->mnuCheck);
        key(Qt::Key_Return);
        QVERIFY(f.ui.LGrade.isVisible());
        QCOMPARE(f.ui.LGrade.caption(), QString("0%"));
        QCOMPARE(focused(), f.window->blankStops().gradeStop());
        key(Qt::Key_Tab);
        QCOMPARE(focused(), f.ui.VScroll1.widget());
        key(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(focused(), f.window->blankStops().gradeStop());
        f.showSection(3);
        key(Qt::Key_F10);
        key(Qt::Key_Right);
        key(Qt::Key_Right);
        key(Qt::Key_Return);
        QVERIFY(!f.ui.LGrade.isVisible());
        QCOMPARE(focused(), f.window->blankStops().stop(6));

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

    // No key reaches a blank or the menu bar while a card is being dragged.
    void keysWaitWhileACardIsDragged() {
        WindowFixture f;
        showActive(f);
        auto* stop = f.window->blankStops().stop(0);
        stop->setFocus();
        f.grab(Water);
        key(Qt::Key_Space);
        key(Qt::Key_F10);
        QCOMPARE(f.model.SlotTable[0].Placed, model::kEmpty);
        QCOMPARE(focused(), stop);
        f.releaseAt({6000, 300});
        key(Qt::Key_Space);
        QVERIFY(f.model.SlotTable[0].Placed != model::kEmpty);
    }

    // A whole worksheet by keys alone: Tab to each blank, Space until its name says the right
    // compound, Tab through the boxes typing the coefficients, Page Down to the next section,
    // then F10, Right and Enter for the check.
    void aWholeWorksheetByKeysReachesFullMarks() {
        WindowFixture f;
        showActive(f);
        QCOMPARE(focused(), f.ui.VScroll1.widget());
        const auto heard = [] {
            return QAccessible::queryAccessibleInterface(focused())->text(QAccessible::Name);
        };
        for (int section = 0; section < model::kSections; ++section) {
            for (int picture = 0; picture < model::kReactions; ++picture) {
                if (model::sectionOfReaction(picture) != section)
                    continue;
                const model::BlankRange blanks = model::blanksOf(picture);
                for (int slot = blanks.first; slot < blanks.first + blanks.count; ++slot) {
                    key(Qt::Key_Tab);
                    QCOMPARE(focused(), f.window->blankStops().stop(slot));
                    const QString wanted = content::spoken::kCompounds[model::blank(slot).answer];
                    for (int presses = 0; !heard().endsWith(wanted); ++presses) {
                        QVERIFY2(presses < model::kCompounds, qPrintable(heard()));
                        key(Qt::Key_Space);
                    }
                }
                // The reaction's boxes come right after its blanks, once those are filled.
                if (const model::CoefficientGroup* group = model::groupOf(picture)) {
                    for (int i = 0; i < group->boxCount; ++i) {
                        key(Qt::Key_Tab);
                        QCOMPARE(focused(), f.ui.tCoefficient(group->firstBox + i).widget());
                        QTest::keyClicks(focused(), QString::number(group->ratio[i]));
                    }
                }
            }
            // Past the section's last stop the focus comes round to the scroll bar.
            key(Qt::Key_Tab);
            QCOMPARE(focused(), f.ui.VScroll1.widget());
            QCOMPARE(heard(), assistive::sectionName(section));
            key(Qt::Key_PageDown);
        }
        key(Qt::Key_F10);
        key(Qt::Key_Right);
        key(Qt::Key_Return);
        QVERIFY(f.ui.LGrade.isVisible());
        QCOMPARE(f.ui.LGrade.caption(), QString("100%"));
        QCOMPARE(focused(), f.window->blankStops().gradeStop());
        QCOMPARE(heard(), QString("Βαθμός: 100 %. Σωστές οι ενότητες 1, 2, 3, 4 και 5. Καμία "
                                  "ένωση δεν επέστρεψε στην παλέτα."));
        for (int section = 0; section < model::kSections; ++section)
            QVERIFY(f.ui.Label1(section).isVisible());
    }
};

QTEST_MAIN(KeyboardTest)
#include "test_keyboard.moc"
