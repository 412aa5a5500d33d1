#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

namespace app {

// A message, over `parent`, with a path in it that is there to be copied into a file manager or a
// PDF viewer: plain text, which the mouse can select.
void showPathMessage(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                     const QString& text);

} // namespace app
