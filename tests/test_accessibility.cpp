// What a screen reader finds and hears: Greek names of cards, placed compounds, reactions,
// blanks, coefficient boxes, notes and the grade, kept up to date, and the events that announce
// placing, replacing, removing and the outcome of a check.
#include "assistive/keyboard_placement.h"
#include "content/drawings.h"
#include "content/spoken.h"
#include "content/texts.h"
#include "support/window_fixture.h"

#include <QAccessible>
#include <QAction>
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
    return spoken::kBlank.arg(content::reactionDrawing(picture).accessibleName(), which, holds);
}

// Records what the window tells assistive technology.
struct Announcements {
    struct Heard {
        QAccessible::Event type;
        QString name;
    };
    std::vector<Heard> heard;

    explicit Announcements(WindowFixture& f) {
        f.ui.Form1.setAnnouncer([this](QAccessibleEvent& event) {
            QAccessibleInterface* about = event.accessibleInterface();
            heard.push_back({event.type(), about ? about->text(QAccessible::Name) : QString()});
        });
    }

    bool has(QAccessible::Event type, const QString& name) const {
        return std::any_of(heard.begin(), heard.end(),
                           [&](const Heard& h) { return h.type == type && h.name == name; });
    }
};

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    // Of each palette stack only the front card is found, named after its compound, left to
    // right in palette order.
    void thePaletteShowsOneNamedCardPerCompound() {
        WindowFixture f;
        const QStringList cards = namedChildren(f.ui.Form1.widget(), QAccessible::Graphic);
        QCOMPARE(cards.size(), model::kCompounds);
        for (int compound = 0; compound < model::kCompounds; ++compound)
            QCOMPARE(cards[(*f.model.PaletteColumn)[compound]], spoken::kCompounds[compound]);

        // The point under a card finds that card.
        const auto& card = f.ui.ImgMolecular(f.frontCopy(Propanoic));
        f.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        const QPoint middle =
            f.ui.Form1.widget()->mapToGlobal(f.ui.Form1.toPixels(card.rect()).center());
        QAccessibleInterface* found = of(f.ui.Form1.widget())->childAt(middle.x(), middle.y());
        QVERIFY(found);
        QCOMPARE(found->text(QAccessible::Name), spoken::kCompounds[Propanoic]);
        QCOMPARE(found->role(), QAccessible::Graphic);
        QVERIFY(found->rect().contains(middle));
        QCOMPARE(found->parent(), of(f.ui.Form1.widget()));
        QCOMPARE(found->text(QAccessible::Description), QString());
    }

    // A section shows its reactions by name and, once placed, the compounds in its blanks;
    // a removed compound is no longer found there.
    void sectionsShowReactionsAndPlacedCompounds() {
        WindowFixture f;
        QWidget* section0 = f.ui.Pic(0).widget();
        QCOMPARE(namedChildren(section0, QAccessible::Graphic),
                 QStringList({"Καταλυτική οξείδωση βουτανίου, C4H10",
                              "Αιθανάλη, CH3CHO, και οξυγόνο, O2, με καταλύτες",
                              "Μεθανόλη, CH3OH, και μονοξείδιο του άνθρακα, CO, με καταλύτες"}));
        f.fill(1, 0, Ethanoic);
        QVERIFY(
            namedChildren(section0, QAccessible::Graphic).contains(spoken::kCompounds[Ethanoic]));
        f.showSection(0);
        assistive::removeCompound(f.ws, 1);
        QVERIFY(
            !namedChildren(section0, QAccessible::Graphic).contains(spoken::kCompounds[Ethanoic]));
        // A hidden note is not found; the shown title is.
        QVERIFY(
            !namedChildren(section0, QAccessible::StaticText).contains(content::texts::kNotes[0]));
        QVERIFY(namedChildren(section0, QAccessible::StaticText)
                    .contains(content::texts::kTitleIndustry));
    }

    // A blank names its reaction, which blank it is and what it holds, after every change.
    void blanksNameWhatTheyHold() {
        WindowFixture f;
        const auto& stops = f.window->blankStops();
        QCOMPARE(spokenName(stops.stop(0)), blankName(0, spoken::kOnlyBlank, spoken::kEmptyBlank));
        QCOMPARE(spokenName(stops.stop(6)), blankName(5, spoken::kFirstBlank, spoken::kEmptyBlank));
        QCOMPARE(spokenName(stops.stop(17)),
                 blankName(10, spoken::kSecondBlank, spoken::kEmptyBlank));
        QCOMPARE(of(stops.stop(0))->role(), QAccessible::Button);
        QCOMPARE(of(stops.stop(0))->text(QAccessible::Description), spoken::kBlankKeys);

        f.fill(5, 1, Water); // by the mouse
        QCOMPARE(spokenName(stops.stop(7)),
                 blankName(5, spoken::kSecondBlank, spoken::kCompounds[Water]));
        assistive::placeCompound(f.ws, 7, Ammonia); // replaced by the keyboard
        QCOMPARE(spokenName(stops.stop(7)),
                 blankName(5, spoken::kSecondBlank, spoken::kCompounds[Ammonia]));
        f.window->mnuCheck->trigger(); // the check takes the wrong compound out
        QCOMPARE(spokenName(stops.stop(7)),
                 blankName(5, spoken::kSecondBlank, spoken::kEmptyBlank));
        f.fill(5, 0, GeneralAcid);
        f.window->mnuRestart->trigger();
        QCOMPARE(spokenName(stops.stop(6)), blankName(5, spoken::kFirstBlank, spoken::kEmptyBlank));
    }

    // A coefficient box names the term it multiplies: a reactant of the drawing, or the
    // compound that lies in the blank of its product.
    void boxesNameTheTermTheyMultiply() {
        WindowFixture f;
        const auto name = [&](int box) { return f.ui.tCoefficient(box).accessibleName(); };
        QCOMPARE(name(0), QString("Συντελεστής για: βουτάνιο, C4H10"));
        QCOMPARE(name(3), QString("Συντελεστής για: οξυγόνο, O2"));
        QCOMPARE(name(6), QString("Συντελεστής για: μονοξείδιο του άνθρακα, CO"));
        QCOMPARE(name(9), QString("Συντελεστής για: νερό, H2O"));
        QCOMPARE(name(16), QString("Συντελεστής για: νιτρίλιο, CνH2ν+1CN"));
        QCOMPARE(name(1), spoken::kCoefficient.arg(spoken::kCompoundOfBlank));

        f.fill(0, 0, Ethanoic);
        QCOMPARE(name(1), spoken::kCoefficient.arg(spoken::kCompounds[Ethanoic]));
        f.fill(9, 0, Propanoic);
        f.fill(9, 1, Ammonia);
        QCOMPARE(name(14), spoken::kCoefficient.arg(spoken::kCompounds[Propanoic]));
        QCOMPARE(name(15), spoken::kCoefficient.arg(spoken::kCompounds[Ammonia]));
        f.fill(9, 1, Water);
        QCOMPARE(name(15), spoken::kCoefficient.arg(spoken::kCompounds[Water]));
        QCOMPARE(of(f.ui.tCoefficient(15).widget())->text(QAccessible::Name), name(15));
    }

    // Placing, replacing and removing are heard as a new name of the blank; a check is heard
    // as the grade appearing, with an alert, and as the notes of right sections appearing.
    void changesAndTheCheckAreAnnounced() {
        WindowFixture f;
        Announcements listening(f);
        const auto& stops = f.window->blankStops();

        f.showSection(2);
        assistive::placeCompound(f.ws, 5, GeneralAcid);
        const QString holding = blankName(4, spoken::kOnlyBlank, spoken::kCompounds[GeneralAcid]);
        QVERIFY(listening.has(QAccessible::NameChanged, holding));
        assistive::placeCompound(f.ws, 5, Water);
        QVERIFY(listening.has(QAccessible::NameChanged,
                              blankName(4, spoken::kOnlyBlank, spoken::kCompounds[Water])));
        assistive::placeCompound(f.ws, 5, GeneralAcid);
        listening.heard.clear();
        assistive::removeCompound(f.ws, 5);
        QVERIFY(listening.has(QAccessible::NameChanged,
                              blankName(4, spoken::kOnlyBlank, spoken::kEmptyBlank)));
        QCOMPARE(spokenName(stops.stop(5)), blankName(4, spoken::kOnlyBlank, spoken::kEmptyBlank));

        assistive::placeCompound(f.ws, 5, GeneralAcid);
        listening.heard.clear();
        f.window->mnuCheck->trigger();
        const QString grade = QStringLiteral("3%");
        QCOMPARE(f.ui.LGrade.accessibleName(), grade);
        QCOMPARE(controls::accessibleInterfaceOf(f.ui.LGrade)->text(QAccessible::Description),
                 spoken::kGrade);
        QVERIFY(listening.has(QAccessible::ObjectShow, grade));
        QVERIFY(listening.has(QAccessible::Alert, grade));
        QVERIFY(listening.has(QAccessible::ObjectShow, content::texts::kNotes[2]));
        QVERIFY(!listening.has(QAccessible::ObjectShow, content::texts::kNotes[0]));

        // The grade and the note are found where they show.
        QVERIFY(namedChildren(f.ui.Form1.widget(), QAccessible::StaticText).contains(grade));
        QVERIFY(namedChildren(f.ui.Pic(2).widget(), QAccessible::StaticText)
                    .contains(content::texts::kNotes[2]));

        // The next drag hides them again, and says so.
        listening.heard.clear();
        f.grab(Water);
        f.releaseAt({6000, 300});
        QVERIFY(listening.has(QAccessible::ObjectHide, grade));
        QVERIFY(listening.has(QAccessible::ObjectHide, content::texts::kNotes[2]));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
