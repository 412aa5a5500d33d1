#include "app/path_message.h"

namespace app {

void showPathMessage(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                     const QString& text) {
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    box.exec();
}

} // namespace app
