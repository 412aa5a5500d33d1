#include "content/url_opener.h"

#include <QDesktopServices>

namespace content {

namespace {

void ignoreMessage(QtMsgType, const QMessageLogContext&, const QString&) {}

// Qt reports on the terminal when it finds no program to open an address with, or cannot start
// one. Opening fails silently in this program, so those reports are held back while it opens.
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
