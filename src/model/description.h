#pragma once

#include <QtGlobal>

#include <array>
#include <string_view>

// What the worksheet is, in one place: its compounds, its five sections (title, subject, note,
// frame), and its eleven reactions, each in one record that says everything the program knows
// of it: where its picture lies, what the picture shows, its blanks with their answers and
// points, where a card lies on each blank, and its coefficient boxes with their ratio. The
// window, the paper worksheet, the check and the screen reader all read it from here; a new
// reaction is one more record.
//
// Texts are UTF-8. Its words, written in Greek, are marked for Qt's lupdate with the context the
// program looks them up under in the catalogue of another language; formulas are not words.
//
// Places in the window are in twips (1/1440 inch), in the section box's own coordinates; what a
// picture shows is in its drawing's logical units, 16000 across.
namespace model {

inline constexpr int kCompounds = 5;
inline constexpr int kSections = 5;
inline constexpr int kNone = -1;
// Each compound has this many cards on the palette.
inline constexpr int kCardsPerCompound = 18;

enum Compound : int { Water, Ethanoic, Propanoic, GeneralAcid, Ammonia };

struct Rect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;

    constexpr double right() const { return left + width; }
    constexpr double bottom() const { return top + height; }
    // Half-open: a point on the right or bottom edge lies outside.
    constexpr bool contains(double x, double y) const {
        return x >= left && x < right() && y >= top && y < bottom();
    }
};

// ---- Compounds --------------------------------------------------------------------------------

struct CompoundRecord {
    // The formula as its card draws it: "_" lowers the next character or braced group.
    std::string_view markup;
    // Its Greek name and its formula in plain characters, as a screen reader says them.
    std::string_view name;
    std::string_view formula;
};

inline constexpr std::array<CompoundRecord, kCompounds> kCompoundTable{{
    {"H_2O", QT_TRANSLATE_NOOP("Compounds", "νερό"), "H2O"},
    {"CH_3COOH", QT_TRANSLATE_NOOP("Compounds", "αιθανικό οξύ"), "CH3COOH"},
    {"CH_3CH_2COOH", QT_TRANSLATE_NOOP("Compounds", "προπανικό οξύ"), "CH3CH2COOH"},
    {"C_νH_{2ν+1}COOH", QT_TRANSLATE_NOOP("Compounds", "κορεσμένο μονοκαρβοξυλικό οξύ"),
     "CνH2ν+1COOH"},
    {"NH_3", QT_TRANSLATE_NOOP("Compounds", "αμμωνία"), "NH3"},
}};

// ---- Sections ---------------------------------------------------------------------------------

struct Section {
    // On the tab that straddles the frame's top edge; none for an empty title.
    std::string_view title;
    // What a section without a title is about, as a screen reader names it.
    std::string_view subject;
    // Shown below the reactions once the section is found right.
    std::string_view note;
    // The light-yellow frame, in its section box; the box is as high as the frame with the same
    // margin above and below.
    Rect frame;
    Rect noteRect;
};

// Every section box is this wide; a title's tab lies here in its box.
inline constexpr double kSectionWidth = 12435;
inline constexpr Rect kTitleRect{240, 120, 2775, 345};

inline constexpr std::array<Section, kSections> kSectionTable{{
    {QT_TRANSLATE_NOOP("Sections", "Βιομηχανική παρασκευή"),
     {},
     QT_TRANSLATE_NOOP(
         "Sections",
         "Το «βιομηχανικό» οξικό οξύ το οποίο χρησιμοποιείται στη σύνθεση άλλων προϊόντων "
         "παρασκευάζεται με τους παραπάνω τρεις τρόπους"),
     {60, 300, 12315, 4395},
     {180, 4140, 12075, 525}},
    {{},
     QT_TRANSLATE_NOOP("Sections", "Το ξίδι"),
     QT_TRANSLATE_NOOP(
         "Sections",
         "Το ξίδι είναι διάλυμα οξικού οξέος, το οποίο παρασκευάζεται από τη ζύμωση κρασιού ή "
         "άλλου αλκοολούχου ποτού μικρής περιεκτικότητας σε οινόπνευμα (περίπου 5% - 8%). Κατά τη "
         "διεργασία αυτή λαμβάνει χώρα οξείδωση της αιθυλικής αλκοόλης προς οξικό οξύ παρουσία του "
         "ένζυμου αλκοολοξειδάση."),
     {60, 60, 12315, 2175},
     {180, 1260, 12075, 825}},
    {{},
     QT_TRANSLATE_NOOP("Sections", "Ανώτερα οξέα από τα λίπη"),
     QT_TRANSLATE_NOOP(
         "Sections",
         "Από τα ζωικά ή φυτικά λίπη μπορούμε με κατάλληλη διεργασία να πάρουμε τα ανώτερα μέλη "
         "της σειράς με μεγάλη καθαρότητα."),
     {60, 60, 12315, 1695},
     {180, 1380, 12075, 285}},
    {QT_TRANSLATE_NOOP("Sections", "Στο εργαστήριο"),
     {},
     QT_TRANSLATE_NOOP(
         "Sections",
         "Το αιθανικό οξύ παρασκευάζεται με οξείδωση της αιθυλικής αλκοόλης με τα κατάλληλα "
         "οξειδωτικά μέσα. Η παρασκευή αυτή μπορεί κάλλιστα να εφαρμοστεί και για άλλα κορεσμένα "
         "μονοκαρβοξυλικά οξέα."),
     {60, 300, 12315, 4455},
     {180, 4080, 12075, 585}},
    {{},
     QT_TRANSLATE_NOOP("Sections", "Υδρόλυση νιτριλίων"),
     QT_TRANSLATE_NOOP(
         "Sections",
         "Το αιθανικό οξύ παρασκευάζεται με υδρόλυση του αιθανονιτριλίου παρουσία οξέος ή βάσης. "
         "H παρασκευή αυτή μπορεί κάλλιστα να εφαρμοστεί και για άλλα κορεσμένα μονοκαρβοξυλικά "
         "οξέα."),
     {60, 60, 12315, 4395},
     {180, 3840, 12075, 525}},
}};

// ---- Reactions --------------------------------------------------------------------------------

// A stretch across a drawing, and a stretch down it, in the drawing's logical units.
struct Span {
    double left = 0;
    double right = 0;
};
struct Band {
    double top = 0;
    double bottom = 0;
};

// The vertical layout that the pictures of one kind share: the drawing's logical height, where
// slots, the arrow's bar and head lie, and the character heights of formulas and of the
// condition over the arrow.
struct Row {
    double height;
    Band slot;
    Band bar;
    Band head;
    int formulaHeight;
    int labelHeight;
};

inline constexpr Row kIndustrialRow{1937, {541, 1261}, {905, 961}, {766, 1100}, 502, 391};
inline constexpr Row kShortRow{1465, {409, 954}, {685, 727}, {579, 832}, 380, 295};
inline constexpr Row kFatsRow{2421, {676, 1577}, {1131, 1201}, {957, 1375}, 628, 0};
inline constexpr Row kLaboratoryRow{1844, {515, 1201}, {862, 915}, {729, 1048}, 478, 372};

// A text of a picture starting at x: a formula ("CH_3", "OH^−": "_" lowers and "^" raises the
// next character or braced group), a "+" or words.
struct TextAt {
    double x = 0;
    std::string_view markup;
};

struct Arrow {
    Span bar;
    Span head;
    // The condition over the arrow, and under it.
    TextAt above;
    TextAt below;
};

// A dashed coefficient mark, where a coefficient box sits.
struct Mark {
    Span span;
    Band band;
};

// Where the card laid on a blank lies across its section box: `offset` twips from an origin,
// measured to the card's right edge or to its left edge.
struct CardPlace {
    enum class Origin {
        // The reaction picture's right edge.
        PictureRight,
        // The split line in the picture's own coordinates, taken as it is as a position in the
        // section box: the vinegar reaction's cards have always lain so.
        SplitInPicture,
        // The split line, in the section box.
        Split,
        // The section box's left edge.
        SectionBox,
    };
    Origin origin;
    double offset;
    bool rightEdge;
};

struct BlankRecord {
    // The green slot in the drawing.
    Span slot;
    Compound answer;
    // What the right compound earns here.
    int points;
    CardPlace card;
};

// A coefficient box: where it lies in the section box, and the term it multiplies: a reactant
// of the drawing, by its formula, or the compound of one of the reaction's blanks. A card
// dropped on the box fills `fills`, the reaction's left (0) or right (1) blank.
struct BoxRecord {
    double left = 0;
    double top = 0;
    std::string_view reactant;
    int termBlank = kNone;
    int fills = 0;
};

struct Reaction {
    int section;
    // The picture in its section box.
    Rect place;
    // What a screen reader says of the picture, its formulas in plain characters.
    std::string_view spoken;

    // What the picture shows.
    const Row* row;
    std::array<TextAt, 4> texts;
    Arrow arrow;
    std::array<Mark, 4> marks;
    int markCount;

    // Its blanks, left to right: a picture with two makes a pair, which takes its two compounds
    // in either order. A drop left of `split` (twips from the section box's left edge) fills the
    // left blank, on it or right of it the right one.
    std::array<BlankRecord, 2> blanks;
    int blankCount;
    double split;

    // Its coefficient boxes, left to right, and the ratio its equation balances in: right
    // coefficients are a whole multiple of these smallest ones and earn `bonus`. None for a
    // reaction without coefficients.
    std::array<BoxRecord, 4> boxes;
    int boxCount;
    std::array<int, 4> ratio;
    int bonus;
    // The reaction as a box's name says it after the term, so that no two boxes sound alike.
    std::string_view spokenForBoxes;
};

namespace detail {

inline constexpr Band kIndustrialMark{576, 1248};
inline constexpr Band kIndustrialProductMark{553, 1225};
inline constexpr Band kHydrolysisReactantMark{436, 944};
inline constexpr Band kHydrolysisProductMark{418, 926};

inline constexpr CardPlace kIndustrialCard{CardPlace::Origin::PictureRight, -420, true};

// Reactions 1 and 2: two reactants over catalysts give the one product, ethanoic acid.
constexpr Reaction catalysed(double top, std::string_view spoken, std::string_view reactant,
                             std::string_view second, std::string_view plainReactant,
                             std::string_view plainSecond, std::array<int, 4> ratio,
                             std::string_view spokenForBoxes) {
    return {0,
            {1440, top, 9165, 1110},
            spoken,
            &kIndustrialRow,
            {{{1625, reactant}, {4573, "+"}, {6240, second}, {}}},
            {{7061, 9632},
             {9437, 9828},
             //: Over a reaction arrow, in little room: keep it as short.
             {7242, QT_TRANSLATE_NOOP("Reactions", "καταλύτες")},
             {}},
            {{{{388, 1292}, kIndustrialMark},
              {{5087, 5991}, kIndustrialMark},
              {{10405, 11309}, kIndustrialProductMark},
              {}}},
            3,
            {{{{11392, 15253}, Ethanoic, 3, kIndustrialCard}, {}}},
            1,
            0,
            {{{1740, top + 360, plainReactant},
              {4440, top + 360, plainSecond},
              {7440, top + 360, {}, 0},
              {}}},
            3,
            ratio,
            6,
            spokenForBoxes};
}

// Reactions 5 to 7: a primary alcohol oxidised to an acid and water.
constexpr Reaction oxidised(double top, std::string_view spoken, double alcoholX,
                            std::string_view alcohol, Compound acid) {
    return {3,
            {1200, top, 9630, 1110},
            spoken,
            &kLaboratoryRow,
            {{{alcoholX, alcohol}, {11315, "+"}, {}, {}}},
            {{4791, 6835}, {6650, 7022}, {5523, "[O]"}, {}},
            {},
            0,
            {{{{7456, 11131}, acid, 3, {CardPlace::Origin::Split, -180, true}},
              {{11749, 15425}, Water, 3, {CardPlace::Origin::SectionBox, 8255, false}}}},
            2,
            8100,
            {},
            0,
            {},
            0,
            {}};
}

// Reactions 8 to 10: a nitrile hydrolysed in acid or base to an acid and ammonia,
// RCN + 2 H2O -> RCOOH + NH3.
constexpr Reaction hydrolysed(double top, std::string_view spoken, std::string_view nitrile,
                              std::string_view plainNitrile, Compound acid, double rightBoxLeft,
                              std::string_view spokenForBoxes) {
    const double boxTop = top + 360;
    return {4,
            {120, top, 12135, 1110},
            spoken,
            &kShortRow,
            {{{1229, nitrile}, {3577, "+"}, {4718, "H_2O"}, {11678, "+"}}},
            {{5659, 7283},
             {7136, 7431},
             {6304, "H^+"},
             //: Under the arrow, below "H⁺": "or OH⁻". "^" raises the next character; keep
             //: "OH^−" as it is.
             {6054, QT_TRANSLATE_NOOP("Reactions", "ή OH^−")}},
            {{{{294, 977}, kHydrolysisReactantMark},
              {{3846, 4529}, kHydrolysisReactantMark},
              {{7867, 8551}, kHydrolysisProductMark},
              {{11995, 12678}, kHydrolysisProductMark}}},
            4,
            {{{{8613, 11533}, acid, 4, {CardPlace::Origin::Split, -180, true}},
              {{12741, 15660}, Ammonia, 4, {CardPlace::Origin::SectionBox, 9770, false}}}},
            2,
            9060,
            {{{360, boxTop, plainNitrile},
              {3060, boxTop, "H2O"},
              {6120, boxTop, {}, 0},
              {rightBoxLeft, boxTop, {}, 1, 1}}},
            4,
            {1, 2, 1, 1},
            8,
            spokenForBoxes};
}

} // namespace detail

// The reaction pictures, by number: in section order, top to bottom in each section.
inline constexpr std::array<Reaction, 11> kReactionTable{{
    // Section 0: three industrial routes to ethanoic acid. Butane's oxidation,
    // 2 C4H10 + 5 O2 -> 4 CH3COOH + 2 H2O, asks for butane and the acid only.
    {0,
     {1500, 600, 9165, 1110},
     QT_TRANSLATE_NOOP("Reactions", "Καταλυτική οξείδωση βουτανίου, C4H10"),
     &kIndustrialRow,
     {{{1625, "C_4H_{10}"}, {}, {}, {}}},
     {{4516, 9632},
      {9437, 9828},
      {4997, QT_TRANSLATE_NOOP("Reactions", "καταλυτική οξείδωση")},
      {}},
     {{{{388, 1292}, detail::kIndustrialMark}, {{10405, 11309}, detail::kIndustrialProductMark}}},
     2,
     {{{{11392, 15253}, Ethanoic, 3, detail::kIndustrialCard}, {}}},
     1,
     0,
     {{{1800, 960, "C4H10"}, {7500, 960, {}, 0}, {}, {}}},
     2,
     {1, 2},
     4,
     QT_TRANSLATE_NOOP("Reactions", "καταλυτική οξείδωση βουτανίου")},
    // 2 CH3CHO + O2 -> 2 CH3COOH
    detail::catalysed(
        1740, QT_TRANSLATE_NOOP("Reactions", "Αιθανάλη, CH3CHO, και οξυγόνο, O2, με καταλύτες"),
        "CH_3CHO", "O_2", "CH3CHO", "O2", {2, 1, 2},
        QT_TRANSLATE_NOOP("Reactions", "οξείδωση αιθανάλης")),
    // CH3OH + CO -> CH3COOH
    detail::catalysed(
        2880,
        QT_TRANSLATE_NOOP("Reactions",
                          "Μεθανόλη, CH3OH, και μονοξείδιο του άνθρακα, CO, με καταλύτες"),
        "CH_3OH", "CO", "CH3OH", "CO", {1, 1, 1},
        QT_TRANSLATE_NOOP("Reactions", "μεθανόλη και μονοξείδιο του άνθρακα")),
    // Section 1: vinegar, the oxidation of ethanol by an enzyme.
    {1,
     {120, 120, 12135, 1110},
     QT_TRANSLATE_NOOP("Reactions", "Αιθανόλη, CH3CH2OH, και οξυγόνο, O2, με αλκοοξειδάση"),
     &kShortRow,
     {{{1229, "CH_3CH_2OH"}, {3577, "+"}, {4239, "O_2"}, {12037, "+"}}},
     {{4981, 7961}, {7814, 8110}, {5474, QT_TRANSLATE_NOOP("Reactions", "αλκοοξειδάση")}, {}},
     {},
     0,
     {{{{8613, 11533}, Ethanoic, 3, {CardPlace::Origin::SplitInPicture, -310, true}},
       {{12741, 15660}, Water, 3, {CardPlace::Origin::SplitInPicture, 600, false}}}},
     2,
     9300,
     {},
     0,
     {},
     0,
     {}},
    // Section 2: the higher acids from fats.
    {2,
     {2580, 120, 7335, 1110},
     QT_TRANSLATE_NOOP("Reactions", "Ζωικά ή φυτικά λίπη"),
     &kFatsRow,
     {{{577, QT_TRANSLATE_NOOP("Reactions", "ζωικά ή φυτικά λίπη")}, {}, {}, {}}},
     {{7080, 9763}, {9520, 10009}, {}, {}},
     {},
     0,
     {{{{10579, 15404}, GeneralAcid, 3, {CardPlace::Origin::PictureRight, -270, true}}, {}}},
     1,
     0,
     {},
     0,
     {},
     0,
     {}},
    // Section 3: primary alcohols oxidised in the laboratory.
    detail::oxidised(600, QT_TRANSLATE_NOOP("Reactions", "Οξείδωση αιθανόλης, CH3CH2OH"), 1525,
                     "CH_3CH_2OH", Ethanoic),
    detail::oxidised(1740, QT_TRANSLATE_NOOP("Reactions", "Οξείδωση προπανόλης, CH3CH2CH2OH"), 1113,
                     "CH_3CH_2CH_2OH", Propanoic),
    detail::oxidised(2880, QT_TRANSLATE_NOOP("Reactions", "Οξείδωση αλκοόλης, CνH2ν+1CH2OH"), 1255,
                     "C_νH_{2ν+1}CH_2OH", GeneralAcid),
    // Section 4: nitriles hydrolysed in acid or base.
    detail::hydrolysed(
        300, QT_TRANSLATE_NOOP("Reactions", "Υδρόλυση αιθανονιτριλίου, CH3CN, με H+ ή OH−"),
        "CH_3CN", "CH3CN", Ethanoic, 9240,
        QT_TRANSLATE_NOOP("Reactions", "υδρόλυση αιθανονιτριλίου")),
    detail::hydrolysed(
        1440, QT_TRANSLATE_NOOP("Reactions", "Υδρόλυση προπανονιτριλίου, CH3CH2CN, με H+ ή OH−"),
        "CH_3CH_2CN", "CH3CH2CN", Propanoic, 9300,
        QT_TRANSLATE_NOOP("Reactions", "υδρόλυση προπανονιτριλίου")),
    detail::hydrolysed(2580,
                       QT_TRANSLATE_NOOP("Reactions", "Υδρόλυση νιτριλίου, CνH2ν+1CN, με H+ ή OH−"),
                       "C_νH_{2ν+1}CN", "CνH2ν+1CN", GeneralAcid, 9240,
                       QT_TRANSLATE_NOOP("Reactions", "υδρόλυση νιτριλίου")),
}};

inline constexpr int kReactions = int(kReactionTable.size());

// A placed card lies on its blank raised by this much above the picture's middle line.
inline constexpr double kCardRaise = 35;

// ---- Numbering and look-ups -------------------------------------------------------------------
//
// Blanks are numbered across the reactions in order, left to right in each; so are coefficient
// boxes. The numbers are what the slot table, the boxes' texts and the marking index by.

constexpr int countBlanks() {
    int count = 0;
    for (const Reaction& reaction : kReactionTable)
        count += reaction.blankCount;
    return count;
}
constexpr int countBoxes() {
    int count = 0;
    for (const Reaction& reaction : kReactionTable)
        count += reaction.boxCount;
    return count;
}
inline constexpr int kBlanks = countBlanks();
inline constexpr int kCoefficientBoxes = countBoxes();

constexpr const Reaction& reaction(int number) {
    return kReactionTable.at(number);
}
constexpr const Section& section(int number) {
    return kSectionTable.at(number);
}

constexpr int firstBlankOf(int number) {
    int first = 0;
    for (int r = 0; r < number; ++r)
        first += reaction(r).blankCount;
    return first;
}
constexpr int firstBoxOf(int number) {
    int first = 0;
    for (int r = 0; r < number; ++r)
        first += reaction(r).boxCount;
    return first;
}

constexpr int reactionOfBlank(int blank) {
    for (int r = 0; r < kReactions; ++r) {
        if (blank < firstBlankOf(r) + reaction(r).blankCount)
            return blank >= 0 ? r : kNone;
    }
    return kNone;
}
// 0 for the left or only blank of its reaction, 1 for the right one.
constexpr int sideOfBlank(int blank) {
    return blank - firstBlankOf(reactionOfBlank(blank));
}
constexpr const BlankRecord& blankRecord(int blank) {
    return reaction(reactionOfBlank(blank)).blanks.at(sideOfBlank(blank));
}
constexpr int sectionOfBlank(int blank) {
    return reaction(reactionOfBlank(blank)).section;
}
constexpr bool hasTwoBlanks(int number) {
    return reaction(number).blankCount == 2;
}

constexpr int reactionOfBox(int box) {
    for (int r = 0; r < kReactions; ++r) {
        if (box < firstBoxOf(r) + reaction(r).boxCount)
            return box >= 0 ? r : kNone;
    }
    return kNone;
}
constexpr const BoxRecord& boxRecord(int box) {
    const int r = reactionOfBox(box);
    return reaction(r).boxes.at(box - firstBoxOf(r));
}
constexpr int sectionOfBox(int box) {
    return reaction(reactionOfBox(box)).section;
}
// The blank a card dropped on the box fills.
constexpr int blankFilledFrom(int box) {
    return firstBlankOf(reactionOfBox(box)) + boxRecord(box).fills;
}
// The blank whose compound the box multiplies, or kNone for a reactant of the drawing.
constexpr int termBlankOf(int box) {
    const BoxRecord& record = boxRecord(box);
    return record.termBlank == kNone ? kNone : firstBlankOf(reactionOfBox(box)) + record.termBlank;
}

// Full marks of a section: its blanks' points and its reactions' coefficient bonuses.
constexpr int fullMarksOf(int number) {
    int marks = 0;
    for (const Reaction& each : kReactionTable) {
        if (each.section != number)
            continue;
        for (int side = 0; side < each.blankCount; ++side)
            marks += each.blanks.at(side).points;
        marks += each.bonus;
    }
    return marks;
}

// The description holds together: reactions come section by section; a picture has one blank
// or a pair with a split line between; boxes multiply a reactant or a blank of their own
// reaction and fill one of its blanks, and a reaction's ratio has a coefficient for each box;
// and the sections' full marks make 100, so the grade is a percentage.
constexpr bool descriptionHoldsTogether() {
    int previousSection = 0;
    for (const Reaction& each : kReactionTable) {
        if (each.section < previousSection || each.section >= kSections)
            return false;
        previousSection = each.section;
        if (each.blankCount < 1 || each.blankCount > 2 ||
            (each.split > 0) != (each.blankCount == 2))
            return false;
        if (each.boxCount > 0 && each.ratio.at(each.boxCount - 1) < 1)
            return false;
        for (int b = 0; b < each.boxCount; ++b) {
            const BoxRecord& box = each.boxes.at(b);
            if ((box.termBlank == kNone) == box.reactant.empty())
                return false;
            if (box.termBlank >= each.blankCount || box.fills < 0 || box.fills >= each.blankCount)
                return false;
        }
        if ((each.boxCount == 0) != (each.bonus == 0))
            return false;
    }
    int total = 0;
    for (int s = 0; s < kSections; ++s)
        total += fullMarksOf(s);
    return total == 100;
}
static_assert(descriptionHoldsTogether());

} // namespace model
