#include "content/url_opener.h"

#include <QDesktopServices>

namespace content {

namespace {

void ignoreMessage(QtMsgType, const QMessageLogContext&, const QString&) {}

// Qt reports on the terminal, in its own words and in English, when it finds no program to open
// an address with, or cannot start one. The opener's result says so instead, and the caller
// tells the user in the program's own words, so those reports are held back while it opens.
class QuietMessages {
public:
    QuietMessages() : previous_(qInstallMessageHandler(ignoreMessage)) {}
    ~QuietMessages() { qInstallMessageHandler(previous_); }
    QuietMessages(const QuietMessages&) = delete;
    QuietMessages& operator=(const QuietMessages&) = delete;

private:
    QtMessageHandler previous_;
};

} // namespace

UrlOpener desktopUrlOpener() {
    return [](const QUrl& url) {
        const QuietMessages quiet;
        return QDesktopServices::openUrl(url);
    };
}

} // namespace content
