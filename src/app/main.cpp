#include "app/greek_standard_texts.h"
#include "app/main_window.h"
#include "app/worksheet_document_file.h"
#include "content/fonts.h"
#include "model/worksheet.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>
#include <optional>

namespace {

// The options that Qt itself takes out of the command line when QApplication is constructed,
// with those of the X11 platform: first those followed by a value, then the switches. The parser
// knows them only so as not to call them unknown; Qt still reads them from argv.
constexpr const char* kQtOptionsWithValue[] = {"platform",
                                               "platformpluginpath",
                                               "platformtheme",
                                               "plugin",
                                               "qwindowgeometry",
                                               "qwindowicon",
                                               "qwindowtitle",
                                               "session",
                                               "style",
                                               "stylesheet",
                                               "qmljsdebugger",
                                               "display",
                                               "name",
                                               "visual",
                                               "geometry",
                                               "icon",
                                               "title"};
constexpr const char* kQtSwitches[] = {"reverse", "widgetcount", "testability", "nograb", "dograb"};

// Exit status of a command line the program cannot follow.
constexpr int kUsageError = 2;

void print(std::FILE* stream, const QString& text) {
    std::fputs(qPrintable(text), stream);
}

// Qt's help, whose usage line names the program as installed, whatever path started it: without
// an application object Qt has no name to put there.
QString helpText(const QCommandLineParser& parser) {
    const QString text = parser.helpText();
    return QStringLiteral("Usage: %1 [options]").arg(QCoreApplication::applicationName()) +
           text.mid(text.indexOf(QLatin1Char('\n')));
}

// What the command line asks for: an exit at once with a status, the answer key opened, or the
// window.
struct Request {
    std::optional<int> exitStatus;
    bool answers = false;
};

// Answers --help, --version and a mistaken command line with the exit status. It runs before
// there is an application object, which would need a display.
Request readCommandLine(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    // Qt's options are single-dash words: -platform is one option, not -p -l -a...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Παρασκευές οργανικών οξέων: a chemistry worksheet on the preparation of "
                       "carboxylic acids.\nQt's standard options, such as -platform, -style and "
                       "-reverse, are accepted too."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Shows this help and exits."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Shows the name and version and exits."));
    const QCommandLineOption answers(
        QStringLiteral("answers"),
        QStringLiteral("Opens the answer key, the printable worksheet filled in, in the desktop's "
                       "PDF viewer, and exits."));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(answers);
    const auto addQtOption = [&parser](const char* name, const QString& valueName) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), valueName);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    };
    for (const char* name : kQtOptionsWithValue)
        addQtOption(name, QStringLiteral("value"));
    for (const char* name : kQtSwitches)
        addQtOption(name, QString());

    if (parser.parse(arguments) && parser.positionalArguments().isEmpty()) {
        if (parser.isSet(help)) {
            print(stdout, helpText(parser));
            return {0};
        }
        if (parser.isSet(version)) {
            print(stdout, QCoreApplication::applicationName() + QLatin1Char(' ') +
                              QCoreApplication::applicationVersion() + QLatin1Char('\n'));
            return {0};
        }
        return {std::nullopt, parser.isSet(answers)};
    }
    // The worksheet opens no files, so any argument left over is a mistake too.
    const QString error =
        parser.errorText().isEmpty()
            ? QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first())
            : parser.errorText();
    print(stderr, QCoreApplication::applicationName() + QStringLiteral(": ") + error +
                      QStringLiteral("\n\n") + helpText(parser));
    return {kUsageError};
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral(WORKSHEET_BINARY));
    QCoreApplication::setApplicationVersion(QStringLiteral(WORKSHEET_VERSION));
    const Request request = readCommandLine(argc, argv);
    if (request.exitStatus)
        return *request.exitStatus;
    // The desktop opens the key; nothing that fails there is the worksheet's to report.
    if (request.answers) {
        QGuiApplication app(argc, argv);
        app::openDocument(content::Sheet::AnswerKey, content::desktopUrlOpener());
        return 0;
    }

    QApplication app(argc, argv);
    // The menu bar and the standard dialogs get the program's Greek-capable face too, whatever
    // the desktop's default font is.
    QFont font = content::sansSerifFont();
    font.setPointSizeF(QApplication::font().pointSizeF());
    QApplication::setFont(font);
    app::GreekStandardTexts greek;
    QApplication::installTranslator(&greek);
    model::Worksheet worksheet;
    app::MainWindow window(worksheet);
    window.showOnScreen();
    return app.exec();
}
