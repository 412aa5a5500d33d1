// Writes the program's icon for the desktop's icon theme: a PNG at each given size and a
// scalable SVG, all from the one drawing the window itself shows.
#include "content/drawings.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>

#include <cstdio>

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR NAME SIZE...\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const QString name = QString::fromLocal8Bit(argv[2]);
    const content::Drawing& drawing = content::windowIconDrawing();

    for (int i = 3; i < argc; ++i) {
        const int side = std::atoi(argv[i]);
        const QString path = out.filePath(QStringLiteral("%1-%2.png").arg(name).arg(side));
        if (side <= 0 || !drawing.pixmap(QSize(side, side), 1).save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }

    QSvgGenerator svg;
    svg.setFileName(out.filePath(name + QStringLiteral(".svg")));
    const QSizeF logical = drawing.logicalSize();
    svg.setSize(logical.toSize());
    svg.setViewBox(QRectF(QPointF(0, 0), logical));
    svg.setTitle(name);
    QPainter painter(&svg);
    painter.setRenderHint(QPainter::Antialiasing);
    drawing.paint(painter);
    return painter.end() ? 0 : 1;
}
