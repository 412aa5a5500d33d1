#include "content/fonts.h"

#include <QStringList>

namespace content {

QFont sansSerifFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    return font;
}

QFont controlFont(qreal points, bool bold) {
    QFont font = sansSerifFont();
    font.setPointSizeF(points);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

} // namespace content
