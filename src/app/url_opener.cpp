#include "app/url_opener.h"

#include <QDesktopServices>
#include <QLoggingCategory>

namespace app {

namespace {

// Qt reports on the terminal, in its own words and in English, when it finds no program to open
// an address with, or cannot start one. The opener's result says so instead, and the caller
// tells the user in the program's own words, so those reports are held back while it opens.
// The desktop services give them as plain warnings, which go to Qt's default category: only that
// category's warnings are held back, and only while the address opens; every other category, and
// the default category's other kinds of message, still reach the message log.
class QuietDesktopServices {
public:
    QuietDesktopServices()
        : category_(QLoggingCategory::defaultCategory()),
          wasEnabled_(category_ && category_->isWarningEnabled()) {
        if (category_)
            category_->setEnabled(QtWarningMsg, false);
    }
    ~QuietDesktopServices() {
        if (category_)
            category_->setEnabled(QtWarningMsg, wasEnabled_);
    }
    QuietDesktopServices(const QuietDesktopServices&) = delete;
    QuietDesktopServices& operator=(const QuietDesktopServices&) = delete;

private:
    QLoggingCategory* category_;
    bool wasEnabled_;
};

} // namespace

UrlOpener desktopUrlOpener() {
    return [](const QUrl& url) {
        const QuietDesktopServices quiet;
        return QDesktopServices::openUrl(url);
    };
}

} // namespace app
