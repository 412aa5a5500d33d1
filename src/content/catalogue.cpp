#include "content/catalogue.h"

#include "content/drawings.h"
#include "content/fonts.h"
#include "content/spoken.h"
#include "content/texts.h"

#include <array>

namespace content {

using namespace controls;

namespace {

constexpr float kCardWidth = 2235;
constexpr float kCardHeight = 435;

struct Rect {
    float left, top, width, height;
};

struct Place {
    int index;
    Rect rect;
};

const QColor kFrameFill(0xFF, 0xFF, 0xC0);
const QColor kFrameBorder(0xFF, 0x00, 0x00);
const QColor kTitleBack(0x00, 0x00, 0xC0);
const QColor kCoefficientText(0xFF, 0x00, 0x00);

// The section boxes: design left and top, and height (width 12435 for all).
constexpr std::array<Rect, model::kSections> kPicDesign{{{0, 0, 12435, 5055},
                                                         {120, 10000, 12435, 2715},
                                                         {480, 10000, 12435, 2835},
                                                         {0, 10000, 12435, 5535},
                                                         {360, 10000, 12435, 5355}}};

constexpr std::array<Rect, model::kSections> kFrames{{{60, 300, 12315, 4395},
                                                      {60, 60, 12315, 2175},
                                                      {60, 60, 12315, 1695},
                                                      {60, 300, 12315, 4455},
                                                      {60, 60, 12315, 4395}}};

constexpr std::array<Rect, model::kReactions> kReactions{{{1500, 600, 9165, 1110},
                                                          {1440, 1740, 9165, 1110},
                                                          {1440, 2880, 9165, 1110},
                                                          {120, 120, 12135, 1110},
                                                          {2580, 120, 7335, 1110},
                                                          {1200, 600, 9630, 1110},
                                                          {1200, 1740, 9630, 1110},
                                                          {1200, 2880, 9630, 1110},
                                                          {120, 300, 12135, 1110},
                                                          {120, 1440, 12135, 1110},
                                                          {120, 2580, 12135, 1110}}};

constexpr std::array<Rect, model::kSections> kNotes{{{180, 4140, 12075, 525},
                                                     {180, 1260, 12075, 825},
                                                     {180, 1380, 12075, 285},
                                                     {180, 4080, 12075, 585},
                                                     {180, 3840, 12075, 525}}};

constexpr std::array<std::array<float, 2>, model::kCoefficientBoxes> kBoxes{
    {{1800, 960},  {7500, 960},  {1740, 2100}, {4440, 2100}, {7440, 2100},
     {1740, 3240}, {4440, 3240}, {7440, 3240}, {360, 660},   {3060, 660},
     {6120, 660},  {9240, 660},  {360, 1800},  {3060, 1800}, {6120, 1800},
     {9300, 1800}, {360, 2940},  {3060, 2940}, {6120, 2940}, {9240, 2940}}};

// Design positions of the twins in each section box (left by compound, one top a section);
// start-up parks them all, so they only matter as the values the copies start from.
constexpr std::array<std::array<float, model::kCompounds>, model::kSections> kTwinLefts{
    {{0, 2340, 4680, 7080, 9420},
     {180, 2520, 4860, 7260, 9600},
     {600, 2940, 5280, 7680, 10020},
     {60, 2400, 4740, 7080, 9420},
     {600, 2940, 5280, 7680, 10020}}};
constexpr std::array<float, model::kSections> kTwinTops{5000, 2520, 1920, 4920, 5100};

QString twinSetName(int section) { return QStringLiteral("ImgMolecular%1").arg(section); }

void setRect(Control& control, const Rect& r) {
    control.setGeometry(r.left, r.top, r.width, r.height);
}

Image& card(Form& form, Container& parent, const QString& set, int copy, float left, float top) {
    auto& image = form.create<Image>(parent, set, copy);
    image.setGeometry(left, top, kCardWidth, kCardHeight);
    image.setPicture(&cardDrawing(copy));
    image.setMousePointer(handCursor());
    return image;
}

void sectionTwins(Form& form, PictureBox& pic, int section, const std::array<int, 5>& order) {
    for (int copy : order)
        card(form, pic, twinSetName(section), copy, kTwinLefts[section][copy], kTwinTops[section]);
}

void coefficientBoxes(Form& form, PictureBox& pic, std::initializer_list<int> boxes) {
    for (int box : boxes) {
        auto& text = form.create<TextBox>(pic, "tCoefficient", box);
        text.setGeometry(kBoxes[box][0], kBoxes[box][1], 435, 330);
        text.setFont(typedTextFont(12, true));
        text.setForeColor(kCoefficientText);
        text.setAlignment(Qt::AlignCenter);
        text.setText(QStringLiteral("1"));
    }
}

void note(Form& form, PictureBox& pic, int section) {
    auto& label = form.create<Label>(pic, "Label1", section);
    setRect(label, kNotes[section]);
    label.setFont(controlFont(9.75, false));
    label.setBackColor(QColor(Qt::white));
    label.setWordWrap(true);
    label.setCaption(texts::kNotes[section]);
    label.setVisible(false);
    // A note appears when its section is found right: a screen reader says so at once.
    label.setLive(true);
}

void reaction(Form& form, PictureBox& pic, int picture) {
    auto& image = form.create<Image>(pic, "ImgSyntactic", picture);
    setRect(image, kReactions[picture]);
    image.setPicture(&reactionDrawing(picture));
}

void title(Form& form, PictureBox& pic, int section, const QString& caption) {
    auto& label = form.create<Label>(pic, "cTitle", section);
    label.setGeometry(240, 120, 2775, 345);
    label.setFont(controlFont(9.75, true));
    label.setForeColor(QColor(Qt::white));
    label.setBackColor(kTitleBack);
    label.setAlignment(Qt::AlignCenter);
    label.setBorder(true);
    label.setCaption(caption);
}

void frame(Form& form, PictureBox& pic, int section) {
    auto& shape = form.create<Shape>(pic, "Container", section);
    setRect(shape, kFrames[section]);
    shape.setFillColor(kFrameFill);
    shape.setBorderColor(kFrameBorder);
    shape.setBorderWidth(3);
}

void sectionContents(Form& form, PictureBox& pic, int section) {
    switch (section) {
    case 0:
        coefficientBoxes(form, pic, {0, 1, 2, 3, 4, 5, 6, 7});
        sectionTwins(form, pic, 0, {0, 1, 2, 3, 4});
        note(form, pic, 0);
        reaction(form, pic, 0);
        reaction(form, pic, 1);
        reaction(form, pic, 2);
        title(form, pic, 0, texts::kTitleIndustry);
        break;
    case 1:
        sectionTwins(form, pic, 1, {0, 1, 2, 3, 4});
        note(form, pic, 1);
        reaction(form, pic, 3);
        break;
    case 2:
        sectionTwins(form, pic, 2, {0, 1, 2, 3, 4});
        note(form, pic, 2);
        reaction(form, pic, 4);
        break;
    case 3:
        sectionTwins(form, pic, 3, {4, 3, 2, 1, 0});
        reaction(form, pic, 5);
        reaction(form, pic, 6);
        note(form, pic, 3);
        reaction(form, pic, 7);
        title(form, pic, 3, texts::kTitleLaboratory);
        break;
    case 4:
        coefficientBoxes(form, pic, {19, 18, 17, 16, 8, 15, 14, 13, 12, 11, 10, 9});
        sectionTwins(form, pic, 4, {0, 1, 2, 3, 4});
        reaction(form, pic, 10);
        note(form, pic, 4);
        reaction(form, pic, 9);
        reaction(form, pic, 8);
        break;
    }
    frame(form, pic, section);
}

} // namespace

void buildMainWindow(Form& form) {
    auto& scroll = form.create<ScrollBar>(form, "VScroll1");
    scroll.setGeometry(13320, 900, 195, 7095);
    scroll.setRange(0, 4);
    scroll.setSteps(1, 1);
    scroll.setValue(0);

    auto& viewport = form.create<PictureBox>(form, "PicContainer");
    viewport.setGeometry(120, 900, 13095, 7095);
    viewport.setBackColor(QColor(Qt::white));

    for (int section : {4, 3, 2, 1, 0}) {
        auto& pic = form.create<PictureBox>(viewport, "Pic", section);
        setRect(pic, kPicDesign[section]);
        pic.setBackColor(QColor(Qt::white));
        pic.setVisible(section == 0);
        sectionContents(form, pic, section);
    }

    constexpr std::array<float, model::kCompounds> viewportLefts{300, 2700, 5100, 7440, 9780};
    for (int copy = 0; copy < model::kCompounds; ++copy)
        card(form, viewport, "ImgMolecular00", copy, viewportLefts[copy], 6360);

    auto& grade = form.create<Label>(form, "LGrade");
    // Hidden at once: the fresh worksheet that start-up makes hides it anyway, and a hidden label
    // is fitted to its caption only when it shows.
    grade.setVisible(false);
    grade.setGeometry(kPaletteRight, 60, 1305, 585);
    grade.setFont(controlFont(24, true));
    grade.setForeColor(QColor(Qt::white));
    grade.setBackColor(QColor(Qt::red));
    grade.setBorder(true);
    grade.setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grade.setCaption(QStringLiteral("100%"));
    grade.setAutoSize(true);
    grade.setLive(true);
    grade.setAccessibleDescription(content::spoken::kGrade);

    auto& dropIcon = form.create<Image>(form, "DropIcon");
    dropIcon.setGeometry(0, 0, 480, 480);
    dropIcon.setPicture(&dragIconDrawing());
    dropIcon.setVisible(false);

    constexpr std::array<float, model::kCompounds> paletteLefts{180, 2520, 4860, 7260, 9600};
    for (int copy : {4, 3, 2, 1, 0})
        card(form, form, "ImgMolecular", copy, paletteLefts[copy], 180);
}

MainControls::MainControls(Form& form)
    : Form1(form), VScroll1(SetOf<ScrollBar>(form, "VScroll1")(0)),
      PicContainer(SetOf<PictureBox>(form, "PicContainer")(0)),
      LGrade(SetOf<Label>(form, "LGrade")(0)), DropIcon(SetOf<Image>(form, "DropIcon")(0)),
      Pic(form, "Pic"), Container(form, "Container"), Label1(form, "Label1"),
      cTitle(form, "cTitle"), ImgSyntactic(form, "ImgSyntactic"),
      tCoefficient(form, "tCoefficient"), ImgMolecular(form, "ImgMolecular"),
      ImgMolecular00(form, "ImgMolecular00"),
      ImgMolecularSection{SetOf<Image>(form, twinSetName(0)), SetOf<Image>(form, twinSetName(1)),
                          SetOf<Image>(form, twinSetName(2)), SetOf<Image>(form, twinSetName(3)),
                          SetOf<Image>(form, twinSetName(4))} {}

std::array<Image*, 7> MainControls::picturesOf(int copy) const {
    return {&ImgMolecular(copy),
            &ImgMolecular00(copy),
            &ImgMolecularOfSection(0, copy),
            &ImgMolecularOfSection(1, copy),
            &ImgMolecularOfSection(2, copy),
            &ImgMolecularOfSection(3, copy),
            &ImgMolecularOfSection(4, copy)};
}

std::array<ControlSet*, 7> MainControls::pictureSets() const {
    return {&ImgMolecular.set(),           &ImgMolecular00.set(),
            &ImgMolecularSection[0].set(), &ImgMolecularSection[1].set(),
            &ImgMolecularSection[2].set(), &ImgMolecularSection[3].set(),
            &ImgMolecularSection[4].set()};
}

} // namespace content
