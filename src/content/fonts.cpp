#include "content/fonts.h"

#include <QStringList>

namespace content {

QFont sansSerifFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    // Every text the program writes itself is Greek, Latin, digits and a few signs, all in either
    // face: looking up other faces to merge in for missing letters would cost a fontconfig sort
    // for every font, before the first frame, and find nothing to use.
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

QFont controlFont(qreal points, bool bold) {
    QFont font = sansSerifFont();
    font.setPointSizeF(points);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

QFont typedTextFont(qreal points, bool bold) {
    QFont font = controlFont(points, bold);
    font.setStyleStrategy(QFont::PreferDefault);
    return font;
}

} // namespace content
