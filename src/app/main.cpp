#include "app/greek_standard_texts.h"
#include "app/main_window.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    app::GreekStandardTexts greek;
    QApplication::installTranslator(&greek);
    app::MainWindow window;
    window.show();
    return app.exec();
}
