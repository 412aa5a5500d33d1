// The baseline of the start-up figures: what any Qt Widgets program with a main window and a menu
// bar pays, with a client area as large as the worksheet's.
#include "content/catalogue.h"
#include "controls/twips.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addAction(QStringLiteral("Βοήθεια"));
    auto* client = new QWidget;
    client->setFixedSize(controls::toPixels(content::kClientWidth),
                         controls::toPixels(content::kClientHeight));
    window.setCentralWidget(client);
    window.show();
    return app.exec();
}
