#pragma once

#include <QUrl>

#include <functional>

namespace app {

// Opens an address, on the web or a local file, with the user's default handler. Injected, so
// that tests can see which address would open without starting a browser. False when nothing
// could be started to open it: the desktop's opener says nothing of it itself, so telling the
// user is the caller's.
using UrlOpener = std::function<bool(const QUrl&)>;

UrlOpener desktopUrlOpener();

} // namespace app
