#pragma once

#include "content/language.h"

namespace app {

// The language the student chose in the help, kept in the user's configuration directory for the
// next start; Greek, the worksheet's own, until one is chosen, whatever the desktop's locale.
content::Language savedLanguage();
void saveLanguage(content::Language language);

} // namespace app
