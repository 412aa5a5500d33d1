#include "worksheet/check.h"

#include "layout/coefficient_boxes.h"
#include "layout/return_pictures.h"
#include "worksheet/coefficients.h"
#include "worksheet/worksheet.h"

#include <numeric>

namespace worksheet {

namespace {

constexpr int kSectionZeroBonus = 4;
constexpr int kSectionZeroExtraBonus = 2;
constexpr int kSectionFourBonus = 8;

bool filled(const Worksheet& ws, int slot) { return ws.model.SlotTable[slot].Placed >= 0; }

int compoundIn(const Worksheet& ws, int slot) {
    return compoundOf(ws.model.SlotTable[slot].Placed);
}

// A blank of a pair takes either compound of the pair.
bool rightInPair(const Worksheet& ws, int slot, int a, int b) {
    const int compound = compoundIn(ws, slot);
    return compound == ws.model.SlotTable[b].Answer || compound == ws.model.SlotTable[a].Answer;
}

void remove(Worksheet& ws, int slot) {
    auto& placed = ws.model.SlotTable[slot].Placed;
    layout::ReturnPictures(ws, placed);
    placed = kEmpty;
}

// One compound twice in a pair scores once: the second copy goes first.
void removeDuplicate(Worksheet& ws, int a, int b, std::int16_t group) {
    if (filled(ws, a) && filled(ws, b) && compoundIn(ws, a) == compoundIn(ws, b)) {
        remove(ws, b);
        layout::HideCoefficients(ws, group);
    }
}

// Scores the blanks of a pair, removing what is wrong.
int scorePair(Worksheet& ws, int a, int b, std::int16_t group) {
    int score = 0;
    for (int slot : {a, b}) {
        if (!filled(ws, slot))
            continue;
        if (rightInPair(ws, slot, a, b)) {
            score += ws.model.SlotTable[slot].Points;
        } else {
            remove(ws, slot);
            layout::HideCoefficients(ws, group);
        }
    }
    return score;
}

void revealAtFullMarks(Worksheet& ws, int section, int score) {
    if (score == ws.model.SectionPoints[section])
        ws.ui.Label1(section).setVisible(true);
}

} // namespace

void CheckCoefficients(Worksheet& ws, std::int16_t g, bool& ok) {
    ok = true;
    const layout::BoxRange boxes = layout::coefficientGroupBoxes(g);
    if (boxes.count == 0)
        return;
    QStringList texts;
    for (int box = boxes.first; box < boxes.first + boxes.count; ++box)
        texts << ws.ui.tCoefficient(box).text();
    ok = coefficientsRight(g, texts);
    if (ok)
        return;
    for (int box = boxes.first; box < boxes.first + boxes.count; ++box)
        ws.ui.tCoefficient(box).setText(QString());
}

void mnuCheck_Click(Worksheet& ws) {
    std::array<int, 5> score{};
    const auto& table = ws.model.SlotTable;

    for (int s = 0; s <= 2; ++s) {
        if (!filled(ws, s))
            continue;
        if (compoundIn(ws, s) == table[s].Answer) {
            score[0] += table[s].Points;
            bool ok = false;
            CheckCoefficients(ws, std::int16_t(s), ok);
            if (ok)
                score[0] += kSectionZeroBonus + (s > 0 ? kSectionZeroExtraBonus : 0);
        } else {
            remove(ws, s);
            layout::HideCoefficients(ws, std::int16_t(s));
        }
    }
    revealAtFullMarks(ws, 0, score[0]);

    // Sections 1 to 3 have no coefficient boxes: the group numbers 3 to 7 stand for none.
    removeDuplicate(ws, 3, 4, 3);
    score[1] += scorePair(ws, 3, 4, 3);
    revealAtFullMarks(ws, 1, score[1]);

    if (filled(ws, 5)) {
        if (compoundIn(ws, 5) == table[5].Answer)
            score[2] += table[5].Points;
        else
            remove(ws, 5);
    }
    revealAtFullMarks(ws, 2, score[2]);

    for (int i = 5; i <= 7; ++i) {
        const int a = (i - 5) * 2 + 6;
        removeDuplicate(ws, a, a + 1, std::int16_t(i));
        score[3] += scorePair(ws, a, a + 1, std::int16_t(i));
    }
    revealAtFullMarks(ws, 3, score[3]);

    for (int h = 8; h <= 10; ++h) {
        const int a = (h - 8) * 2 + 12;
        removeDuplicate(ws, a, a + 1, std::int16_t(h));
        score[4] += scorePair(ws, a, a + 1, std::int16_t(h));
        if (filled(ws, a) && filled(ws, a + 1)) {
            bool ok = false;
            CheckCoefficients(ws, std::int16_t(h), ok);
            if (ok)
                score[4] += kSectionFourBonus;
        }
    }
    revealAtFullMarks(ws, 4, score[4]);

    const int grade = std::accumulate(score.begin(), score.end(), 0);
    ws.ui.LGrade.setCaption(QString::number(grade) + QLatin1Char('%'));
    ws.ui.LGrade.setVisible(true);
}

} // namespace worksheet
