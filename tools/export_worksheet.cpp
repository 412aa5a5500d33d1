// Writes the printable worksheet and its answer key that the program installs: the same
// documents the menu command and --answers open, from the same drawings.
#include "content/worksheet_document.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s WORKSHEET.pdf ANSWERS.pdf\n", argv[0]);
        return 2;
    }
    const struct {
        const char* path;
        content::Sheet sheet;
    } documents[] = {{argv[1], content::Sheet::Worksheet}, {argv[2], content::Sheet::AnswerKey}};
    for (const auto& document : documents) {
        if (!content::writeWorksheetDocument(QString::fromLocal8Bit(document.path),
                                             document.sheet)) {
            std::fprintf(stderr, "cannot write %s\n", document.path);
            return 1;
        }
    }
    return 0;
}
