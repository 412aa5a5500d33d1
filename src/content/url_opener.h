#pragma once

#include <QUrl>

#include <functional>

namespace content {

// Opens an address, on the web or a local file, with the user's default handler. Injected, so
// that tests can see which address would open without starting a browser. Failures are the
// caller's to ignore; the desktop's opener says nothing of them.
using UrlOpener = std::function<bool(const QUrl&)>;

UrlOpener desktopUrlOpener();

} // namespace content
