// Renders the window's drawings, the cards and the reaction pictures, at the sizes and pixel
// ratios the window shows them, into the archive of pictures the program carries.
#include "content/drawings.h"
#include "content/geometry.h"
#include "content/prerendered.h"

#include <QGuiApplication>
#include <QSaveFile>

#include <cstdio>
#include <vector>

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT\n", argv[0]);
        return 2;
    }
    // One pixel ratio after another: a screen reads the pictures of its own ratio alone, and
    // they lie together.
    std::vector<content::Prerendered> pictures;
    for (qreal ratio : content::kPrerenderedRatios) {
        const auto render = [&](const content::Drawing& drawing, QSize size) {
            pictures.push_back({drawing.pictureName(), ratio,
                                drawing.rendered(content::devicePixels(size, ratio), ratio)});
        };
        // A card is the same size on the palette, in a blank and under the pointer.
        const QSize card = content::toPixels(content::paletteCard(0)).size();
        for (int compound = 0; compound < model::kCompounds; ++compound)
            render(content::cardDrawing(compound), card);
        for (int reaction = 0; reaction < model::kReactions; ++reaction)
            render(content::reactionDrawing(reaction),
                   content::toPixels(content::reactionPicture(reaction)).size());
        for (int section = 0; section < model::kSections; ++section) {
            if (const content::Drawing* title = content::titleDrawing(section))
                render(*title, content::toPixels(model::kTitleRect).size());
        }
    }
    // The window's icon, in every size it offers the window system.
    for (QSize size : content::windowIconSizes())
        pictures.push_back({content::windowIconDrawing().pictureName(), 1,
                            content::windowIconDrawing().rendered(size, 1)});

    QSaveFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly) || file.write(content::packPictures(pictures)) < 0 ||
        !file.commit()) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
