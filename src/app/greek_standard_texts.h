#pragma once

#include <QTranslator>

namespace app {

// Greek for the few texts that Qt's own dialogs and edit menus show (the message box's button,
// the context menus of the text boxes and the scroll bar). Debian ships no Greek catalogue for
// Qt itself, so the program carries these.
class GreekStandardTexts : public QTranslator {
public:
    using QTranslator::QTranslator;

    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override;
};

} // namespace app
