#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// What the worksheet is: its sections, its reactions with their blanks, the answer key and the
// points, the coefficient groups with their ratios. Every handler, the check, the names a screen
// reader hears and the tests derive what they need from these tables; a reaction is added or
// corrected here, in its drawing and in its rows of the window's catalogue.
namespace model {

inline constexpr int kCompounds = 5;
inline constexpr int kSections = 5;
inline constexpr int kReactions = 11;
inline constexpr int kSlots = 18;
inline constexpr int kCoefficientBoxes = 20;
// Each compound has 18 cards on the palette; copy k shows compound k mod 5.
inline constexpr int kCopies = 90;
inline constexpr int kNone = -1;

// Compound ids, in the order of the cards.
enum Compound : std::int16_t { Water, Ethanoic, Propanoic, GeneralAcid, Ammonia };

// Where the compound of a blank lies across its section box: `offset` twips from an origin,
// measured to the card's right edge or to its left edge.
struct CardPlace {
    enum class Origin {
        // The reaction picture's right edge.
        PictureRight,
        // The split line in the picture's own coordinates, taken as it is as a position in the
        // section box: the vinegar reaction's blanks have always been placed so.
        SplitInPicture,
        // The split line, in the section box.
        Split,
        // The section box's left edge.
        SectionBox,
    };
    Origin origin;
    float offset;
    bool rightEdge;
};

struct Reaction {
    int section;
    // Twips from the section box's left edge to the line that parts a picture's two blanks; a
    // drop left of it fills the left blank, on it or right of it the right one. None for a
    // picture with one blank.
    float split;
    // Where the compound of its left (or only) blank and of its right blank lies.
    std::array<CardPlace, 2> cards;
};

// A placed card lies on its blank raised by this much above the picture's middle line.
inline constexpr float kCardRaise = 35;

// The reaction pictures, by picture number.
inline constexpr std::array<Reaction, kReactions> kReactionTable{{
    // Section 0: three industrial routes to ethanoic acid.
    {0, 0, {{{CardPlace::Origin::PictureRight, -420, true}}}},
    {0, 0, {{{CardPlace::Origin::PictureRight, -420, true}}}},
    {0, 0, {{{CardPlace::Origin::PictureRight, -420, true}}}},
    // Section 1: vinegar.
    {1,
     9300,
     {{{CardPlace::Origin::SplitInPicture, -310, true},
       {CardPlace::Origin::SplitInPicture, 600, false}}}},
    // Section 2: fats.
    {2, 0, {{{CardPlace::Origin::PictureRight, -270, true}}}},
    // Section 3: oxidation of primary alcohols.
    {3,
     8100,
     {{{CardPlace::Origin::Split, -180, true}, {CardPlace::Origin::SectionBox, 8255, false}}}},
    {3,
     8100,
     {{{CardPlace::Origin::Split, -180, true}, {CardPlace::Origin::SectionBox, 8255, false}}}},
    {3,
     8100,
     {{{CardPlace::Origin::Split, -180, true}, {CardPlace::Origin::SectionBox, 8255, false}}}},
    // Section 4: hydrolysis of nitriles.
    {4,
     9060,
     {{{CardPlace::Origin::Split, -180, true}, {CardPlace::Origin::SectionBox, 9770, false}}}},
    {4,
     9060,
     {{{CardPlace::Origin::Split, -180, true}, {CardPlace::Origin::SectionBox, 9770, false}}}},
    {4,
     9060,
     {{{CardPlace::Origin::Split, -180, true}, {CardPlace::Origin::SectionBox, 9770, false}}}},
}};

// A blank of a reaction picture: a slot of the slot table.
struct Blank {
    int reaction;
    // 0 for the left or only blank of its picture, 1 for the right one.
    int side;
    std::int16_t points;
    std::int16_t answer;
};

// The blanks, by slot. The two blanks of a picture are a pair: they take their two compounds in
// either order.
inline constexpr std::array<Blank, kSlots> kBlankTable{{
    {0, 0, 3, Ethanoic},
    {1, 0, 3, Ethanoic},
    {2, 0, 3, Ethanoic},
    {3, 0, 3, Ethanoic},
    {3, 1, 3, Water},
    {4, 0, 3, GeneralAcid},
    {5, 0, 3, Ethanoic},
    {5, 1, 3, Water},
    {6, 0, 3, Propanoic},
    {6, 1, 3, Water},
    {7, 0, 3, GeneralAcid},
    {7, 1, 3, Water},
    {8, 0, 4, Ethanoic},
    {8, 1, 4, Ammonia},
    {9, 0, 4, Propanoic},
    {9, 1, 4, Ammonia},
    {10, 0, 4, GeneralAcid},
    {10, 1, 4, Ammonia},
}};

// A coefficient box: the blank a card dropped on it fills, and the term it multiplies: the
// compound of a blank, or a reactant of the drawing, whose formula a screen reader says.
struct CoefficientBox {
    int fills;
    int termBlank;
    std::u16string_view reactant;
};

// The coefficient boxes of one reaction, left to right, and the ratio its equation balances in.
// A group is numbered as its reaction picture.
struct CoefficientGroup {
    int reaction;
    int firstBox;
    int boxCount;
    // The smallest coefficients, left to right: right coefficients are a whole multiple of them.
    std::array<int, 4> ratio;
    // What right coefficients add to the reaction's points.
    int bonus;
    // The reaction as a screen reader names it after a box's term, so that every box's name is
    // its own.
    std::u16string_view spoken;
};

inline constexpr std::array<CoefficientGroup, 6> kGroupTable{{
    // 2 C4H10 + 5 O2 -> 4 CH3COOH + 2 H2O: the drawing asks for butane and the acid only.
    {0, 0, 2, {1, 2}, 4, u"καταλυτική οξείδωση βουτανίου"},
    // 2 CH3CHO + O2 -> 2 CH3COOH
    {1, 2, 3, {2, 1, 2}, 6, u"οξείδωση αιθανάλης"},
    // CH3OH + CO -> CH3COOH
    {2, 5, 3, {1, 1, 1}, 6, u"μεθανόλη και μονοξείδιο του άνθρακα"},
    // RCN + 2 H2O -> RCOOH + NH3
    {8, 8, 4, {1, 2, 1, 1}, 8, u"υδρόλυση αιθανονιτριλίου"},
    {9, 12, 4, {1, 2, 1, 1}, 8, u"υδρόλυση προπανονιτριλίου"},
    {10, 16, 4, {1, 2, 1, 1}, 8, u"υδρόλυση νιτριλίου"},
}};

// The last box of a two-blank reaction stands before its right-hand product and fills the right
// blank; every other box fills the reaction's left or only blank.
inline constexpr std::array<CoefficientBox, kCoefficientBoxes> kBoxTable{{
    {0, kNone, u"C4H10"},
    {0, 0, {}},
    {1, kNone, u"CH3CHO"},
    {1, kNone, u"O2"},
    {1, 1, {}},
    {2, kNone, u"CH3OH"},
    {2, kNone, u"CO"},
    {2, 2, {}},
    {12, kNone, u"CH3CN"},
    {12, kNone, u"H2O"},
    {12, 12, {}},
    {13, 13, {}},
    {14, kNone, u"CH3CH2CN"},
    {14, kNone, u"H2O"},
    {14, 14, {}},
    {15, 15, {}},
    {16, kNone, u"CνH2ν+1CN"},
    {16, kNone, u"H2O"},
    {16, 16, {}},
    {17, 17, {}},
}};

// Full marks of each section: its blanks' points and its coefficient bonuses, 100 in all.
inline constexpr std::array<std::int16_t, kSections> kFullMarks{25, 6, 3, 18, 48};

// ---- Look-ups ------------------------------------------------------------------------------

constexpr const Blank& blank(int slot) {
    return kBlankTable.at(slot);
}
constexpr const Reaction& reaction(int picture) {
    return kReactionTable.at(picture);
}
constexpr int sectionOfReaction(int picture) {
    return reaction(picture).section;
}
constexpr int sectionOfBlank(int slot) {
    return sectionOfReaction(blank(slot).reaction);
}

// The blanks of a reaction picture, left to right: the first slot and how many.
struct BlankRange {
    int first = 0;
    int count = 0;
};
constexpr BlankRange blanksOf(int picture) {
    BlankRange range{kNone, 0};
    for (int slot = 0; slot < kSlots; ++slot) {
        if (kBlankTable[slot].reaction == picture) {
            if (range.count == 0)
                range.first = slot;
            ++range.count;
        }
    }
    return range;
}
constexpr bool hasTwoBlanks(int picture) {
    return blanksOf(picture).count == 2;
}

// The other blank of a slot's pair, or kNone for the only blank of its picture.
constexpr int partnerOf(int slot) {
    const BlankRange range = blanksOf(blank(slot).reaction);
    if (range.count < 2)
        return kNone;
    return slot == range.first ? range.first + 1 : range.first;
}

// The coefficient group of a reaction picture, or nullptr for a reaction without coefficients.
constexpr const CoefficientGroup* groupOf(int picture) {
    for (const CoefficientGroup& group : kGroupTable) {
        if (group.reaction == picture)
            return &group;
    }
    return nullptr;
}

constexpr const CoefficientBox& box(int number) {
    return kBoxTable.at(number);
}

// The group a coefficient box belongs to; every box belongs to one.
constexpr const CoefficientGroup& groupOfBox(int number) {
    for (const CoefficientGroup& group : kGroupTable) {
        if (number >= group.firstBox && number < group.firstBox + group.boxCount)
            return group;
    }
    return kGroupTable.at(kGroupTable.size());
}
constexpr int sectionOfBox(int number) {
    return sectionOfReaction(groupOfBox(number).reaction);
}

// The slots of a section, in ascending order: the first and how many.
constexpr BlankRange blanksOfSection(int section) {
    BlankRange range{kNone, 0};
    for (int slot = 0; slot < kSlots; ++slot) {
        if (sectionOfBlank(slot) == section) {
            if (range.count == 0)
                range.first = slot;
            ++range.count;
        }
    }
    return range;
}

// The tables hold together: each picture's blanks follow one another left to right, a picture
// with two blanks has a split line, the boxes of the groups follow one another and each fills
// and names a blank of its own reaction, and the points of each section add up to its full
// marks, 100 in all.
constexpr bool tablesHoldTogether() {
    int previousSection = 0;
    for (int picture = 0; picture < kReactions; ++picture) {
        const BlankRange blanks = blanksOf(picture);
        if (blanks.count < 1 || blanks.count > 2 ||
            (reaction(picture).split > 0) != (blanks.count == 2))
            return false;
        for (int side = 0; side < blanks.count; ++side) {
            if (blank(blanks.first + side).side != side)
                return false;
        }
        if (sectionOfReaction(picture) < previousSection)
            return false;
        previousSection = sectionOfReaction(picture);
    }
    int nextBox = 0;
    for (const CoefficientGroup& group : kGroupTable) {
        if (group.firstBox != nextBox || group.boxCount > int(group.ratio.size()))
            return false;
        nextBox += group.boxCount;
        for (int b = group.firstBox; b < nextBox; ++b) {
            const CoefficientBox& each = box(b);
            if (blank(each.fills).reaction != group.reaction)
                return false;
            if ((each.termBlank == kNone) == each.reactant.empty())
                return false;
            if (each.termBlank != kNone && blank(each.termBlank).reaction != group.reaction)
                return false;
        }
    }
    if (nextBox != kCoefficientBoxes)
        return false;
    int total = 0;
    for (int section = 0; section < kSections; ++section) {
        int marks = 0;
        for (int slot = 0; slot < kSlots; ++slot)
            marks += sectionOfBlank(slot) == section ? blank(slot).points : 0;
        for (const CoefficientGroup& group : kGroupTable)
            marks += sectionOfReaction(group.reaction) == section ? group.bonus : 0;
        if (marks != kFullMarks[section])
            return false;
        total += marks;
    }
    return total == 100;
}
static_assert(tablesHoldTogether());

} // namespace model
