// Writes the printable worksheet and its answer key that the program installs: the same
// documents the menu command and --answers open, from the same drawings.
#include "content/language.h"
#include "content/worksheet_document.h"

#include <QGuiApplication>

#include <cstdio>
#include <optional>

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const std::optional<content::Language> language =
        argc == 4 ? content::languageOfCode(QString::fromLocal8Bit(argv[1])) : std::nullopt;
    if (!language) {
        std::fprintf(stderr, "usage: %s el|en WORKSHEET.pdf ANSWERS.pdf\n", argv[0]);
        return 2;
    }
    if (!content::useLanguage(*language)) {
        std::fprintf(stderr, "no catalogue for %s\n", argv[1]);
        return 1;
    }
    const struct {
        const char* path;
        content::Sheet sheet;
    } documents[] = {{argv[2], content::Sheet::Worksheet}, {argv[3], content::Sheet::AnswerKey}};
    for (const auto& document : documents) {
        if (!content::writeWorksheetDocument(QString::fromLocal8Bit(document.path),
                                             document.sheet)) {
            std::fprintf(stderr, "cannot write %s\n", document.path);
            return 1;
        }
    }
    return 0;
}
