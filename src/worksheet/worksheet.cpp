#include "worksheet/worksheet.h"

namespace worksheet {

namespace {

controls::Form& built(controls::Form& form) {
    content::buildMainWindow(form);
    return form;
}

} // namespace

Worksheet::Worksheet(controls::Form& form) : ui(built(form)) {}

} // namespace worksheet
