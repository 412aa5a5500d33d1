// The baseline of the start-up figures: what any Qt Widgets program with a main window and a menu
// bar pays, with a client area as large as the worksheet's.
#include "content/geometry.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addAction(QStringLiteral("Βοήθεια"));
    auto* client = new QWidget;
    client->setFixedSize(content::toPixels(content::kClientArea.width),
                         content::toPixels(content::kClientArea.height));
    window.setCentralWidget(client);
    window.show();
    return app.exec();
}
