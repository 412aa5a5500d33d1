#include "app/greek_standard_texts.h"
#include "app/main_window.h"
#include "content/fonts.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The menu bar and the standard dialogs get the program's Greek-capable face too, whatever
    // the desktop's default font is.
    QFont font = content::sansSerifFont();
    font.setPointSizeF(QApplication::font().pointSizeF());
    QApplication::setFont(font);
    app::GreekStandardTexts greek;
    QApplication::installTranslator(&greek);
    app::MainWindow window;
    window.show();
    return app.exec();
}
