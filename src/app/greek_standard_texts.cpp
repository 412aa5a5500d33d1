#include "app/greek_standard_texts.h"

#include <cstring>

namespace app {

namespace {

struct Text {
    const char* context;
    const char* source;
    const char* greek;
};

constexpr Text kTexts[] = {
    {"QPlatformTheme", "OK", "Εντάξει"},
    {"QPlatformTheme", "Cancel", "Άκυρο"},
    {"QPlatformTheme", "Close", "Κλείσιμο"},
    {"QLineEdit", "&Undo", "&Αναίρεση"},
    {"QLineEdit", "&Redo", "&Επανάληψη"},
    {"QLineEdit", "Cu&t", "Απο&κοπή"},
    {"QLineEdit", "&Copy", "Α&ντιγραφή"},
    {"QLineEdit", "&Paste", "Ε&πικόλληση"},
    {"QLineEdit", "Delete", "Διαγραφή"},
    {"QLineEdit", "Select All", "Επιλογή όλων"},
    {"QWidgetTextControl", "&Undo", "&Αναίρεση"},
    {"QWidgetTextControl", "&Redo", "&Επανάληψη"},
    {"QWidgetTextControl", "Cu&t", "Απο&κοπή"},
    {"QWidgetTextControl", "&Copy", "Α&ντιγραφή"},
    {"QWidgetTextControl", "Copy &Link Location", "Αντιγραφή τοποθεσίας &συνδέσμου"},
    {"QWidgetTextControl", "&Paste", "Ε&πικόλληση"},
    {"QWidgetTextControl", "Delete", "Διαγραφή"},
    {"QWidgetTextControl", "Select All", "Επιλογή όλων"},
    {"QScrollBar", "Scroll here", "Κύλιση εδώ"},
    {"QScrollBar", "Top", "Αρχή"},
    {"QScrollBar", "Bottom", "Τέλος"},
    {"QScrollBar", "Page up", "Σελίδα πάνω"},
    {"QScrollBar", "Page down", "Σελίδα κάτω"},
    {"QScrollBar", "Scroll up", "Κύλιση πάνω"},
    {"QScrollBar", "Scroll down", "Κύλιση κάτω"},
};

} // namespace

QString GreekStandardTexts::translate(const char* context, const char* sourceText,
                                      const char*, int) const {
    if (!context || !sourceText)
        return {};
    for (const Text& text : kTexts) {
        if (std::strcmp(text.context, context) == 0 && std::strcmp(text.source, sourceText) == 0)
            return QString::fromUtf8(text.greek);
    }
    return {};
}

} // namespace app
