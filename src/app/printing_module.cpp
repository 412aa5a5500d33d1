// The printing module: Qt's print dialog and printer, loaded by the program only when a print is
// asked for (app/printing.h).
#include "app/printing.h"

#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>

#include <type_traits>

extern "C" Q_DECL_EXPORT int
organicAcidPreparationsPrint(QWidget* parent, const QString& documentName,
                             const std::function<bool(QPagedPaintDevice&)>& paint) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setFullPage(true);
    printer.setDocName(documentName);
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() != QDialog::Accepted)
        return int(app::PrintOutcome::Cancelled);
    return int(paint(printer) ? app::PrintOutcome::Printed : app::PrintOutcome::Failed);
}

static_assert(std::is_same_v<decltype(&organicAcidPreparationsPrint), app::PrintFunction>);
