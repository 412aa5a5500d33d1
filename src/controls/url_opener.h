#pragma once

#include <QUrl>

#include <functional>

namespace controls {

// Opens a web address with the user's default handler. Injected, so that tests can see which
// address would open without starting a browser. Failures are the caller's to ignore.
using UrlOpener = std::function<bool(const QUrl&)>;

UrlOpener desktopUrlOpener();

} // namespace controls
