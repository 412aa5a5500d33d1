#include "controls/url_opener.h"

#include <QDesktopServices>

namespace controls {

UrlOpener desktopUrlOpener() {
    return [](const QUrl& url) { return QDesktopServices::openUrl(url); };
}

} // namespace controls
