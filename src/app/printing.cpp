#include "app/printing.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace app {

namespace {

// Installed, the module lies in the program's own folder under lib/ beside bin/; in the build
// tree, beside the program.
QStringList modulePlaces() {
    const QString programDir = QCoreApplication::applicationDirPath();
    return {QDir::cleanPath(programDir + QStringLiteral("/../" WORKSHEET_PRINTING_MODULE_DIR
                                                        "/" WORKSHEET_PRINTING_MODULE)),
            QDir(programDir).filePath(QStringLiteral(WORKSHEET_PRINTING_MODULE))};
}

PrintFunction printFunction() {
    for (const QString& place : modulePlaces()) {
        // Kept loaded for the rest of the run: the next print finds it at once.
        QLibrary module(place);
        if (auto print = reinterpret_cast<PrintFunction>(module.resolve(kPrintFunctionName)))
            return print;
    }
    return nullptr;
}

} // namespace

PrintOutcome printThroughDialog(QWidget* parent, const QString& documentName,
                                const std::function<bool(QPagedPaintDevice&)>& paint) {
    static const PrintFunction print = printFunction();
    if (!print)
        return PrintOutcome::Failed;
    const int outcome = print(parent, documentName, paint);
    return outcome == int(PrintOutcome::Printed) || outcome == int(PrintOutcome::Cancelled)
               ? PrintOutcome(outcome)
               : PrintOutcome::Failed;
}

} // namespace app
