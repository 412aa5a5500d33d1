#pragma once

#include <QString>

#include <functional>

class QPagedPaintDevice;
class QWidget;

namespace app {

enum class PrintOutcome { Printed, Cancelled, Failed };

// Asks in Qt's print dialog, over `parent`, for a printer and how to print, then has `paint` paint
// the pages on it, which are A4 with margins of their own that printers reach: a printer with
// smaller paper gets them scaled down. Failed also when the dialog could not be loaded.
//
// Qt Print Support is loaded here and nowhere else, from the program's printing module: linked
// into the program, it would be loaded and relocated at every start for a print few ask for.
PrintOutcome printThroughDialog(QWidget* parent, const QString& documentName,
                                const std::function<bool(QPagedPaintDevice&)>& paint);

// What the printing module gives, under this name: the dialog and the printing above.
using PrintFunction = int (*)(QWidget* parent, const QString& documentName,
                              const std::function<bool(QPagedPaintDevice&)>& paint);
inline constexpr char kPrintFunctionName[] = "organicAcidPreparationsPrint";

} // namespace app
