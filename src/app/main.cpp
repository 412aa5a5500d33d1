#include "app/language_setting.h"
#include "app/results_folder.h"
#include "app/results_table.h"
#include "app/results_window.h"
#include "app/session.h"
#include "app/worksheet_document_file.h"
#include "content/fonts.h"
#include "content/language.h"
#include "content/texts.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QTranslator>

#include <algorithm>
#include <cstdio>
#include <functional>
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

// Exit statuses: a command line the program cannot follow; an answer key, a window or a folder
// of hand-ins it cannot show.
constexpr int kUsageError = 2;
constexpr int kNotShown = 1;

using content::texts::CommandLineTexts;

void print(std::FILE* stream, const QString& text) {
    std::fputs(qPrintable(text), stream);
}

void complain(const QString& message) {
    print(stderr,
          QCoreApplication::applicationName() + QStringLiteral(": ") + message + QLatin1Char('\n'));
}

// Without --language, the command line speaks Greek where the locale for messages is Greek,
// chosen as the C library chooses it: LC_ALL, else LC_MESSAGES, else LANG, each a name such as
// el_GR.UTF-8; English elsewhere.
content::Language localeLanguage() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString locale = qEnvironmentVariable(variable);
        if (locale.isEmpty())
            continue;
        // The language is the name up to its territory, encoding or modifier. No regular
        // expression: its library would stay resident for the whole run.
        const auto end = std::find_if(locale.begin(), locale.end(),
                                      [](QChar c) { return c == u'_' || c == u'.' || c == u'@'; });
        const QStringView language = QStringView(locale).left(end - locale.begin());
        return language == QLatin1String("el") ? content::Language::Greek
                                               : content::Language::English;
    }
    return content::Language::English;
}

// There is no application object yet to install a translator in, so the command line asks its
// catalogue itself; a text it lacks stays Greek.
CommandLineTexts commandLineTexts(content::Language language) {
    QTranslator catalogue;
    content::loadCatalogue(catalogue, language);
    return content::texts::commandLineTexts([&catalogue](const char* source) {
        const QString translated = catalogue.translate("CommandLine", source);
        return translated.isEmpty() ? QString::fromUtf8(source) : translated;
    });
}

// QCommandLineParser words its errors in English, from these texts of Qt's own, as no translator
// can reach it before there is an application object; each is said again in the command line's
// language, with what it quotes.
struct ParserError {
    const char* qt;
    QString CommandLineTexts::*ours;
};
constexpr ParserError kParserErrors[] = {
    {"Unknown option '%1'.", &CommandLineTexts::unknownOption},
    {"Unknown options: %1.", &CommandLineTexts::unknownOptions},
    {"Missing value after '%1'.", &CommandLineTexts::missingValue},
    {"Unexpected value after '%1'.", &CommandLineTexts::unexpectedValue},
};

// An error of a later Qt's own wording is printed as Qt words it.
QString parserError(const QString& error, const CommandLineTexts& texts) {
    for (const ParserError& known : kParserErrors) {
        const QStringList around = QString::fromLatin1(known.qt).split(QStringLiteral("%1"));
        const qsizetype quoted = error.size() - around[0].size() - around[1].size();
        if (quoted >= 0 && error.startsWith(around[0]) && error.endsWith(around[1]))
            return (texts.*known.ours).arg(error.mid(around[0].size(), quoted));
    }
    return error;
}

// What the command line asks for: an exit at once with a status, the answer key opened, the
// table of a folder of hand-ins, in a window or as CSV, or the worksheet's window; and whether it
// names the X display, or the platform Qt is to use (there or in the environment).
struct Request {
    std::optional<int> exitStatus = std::nullopt;
    // The language asked for with --language, and that of the command line's own messages.
    std::optional<content::Language> language = std::nullopt;
    content::Language messages = content::Language::English;
    bool answers = false;
    bool displayNamed = false;
    bool platformNamed = false;
    std::optional<QString> results = std::nullopt;
    bool csv = false;
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
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    const QCommandLineOption answers(QStringLiteral("answers"));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(answers);
    const QCommandLineOption language(QStringLiteral("language"), QString(),
                                      QStringLiteral("language"));
    parser.addOption(language);
    const QCommandLineOption results(QStringLiteral("results"), QString(),
                                     QStringLiteral("folder"));
    const QCommandLineOption csv(QStringLiteral("csv"));
    parser.addOption(results);
    parser.addOption(csv);
    const auto addQtOption = [&parser](const char* name, const QString& valueName) {
        parser.addOption(QCommandLineOption(QString::fromLatin1(name), QString(), valueName));
    };
    for (const char* name : kQtOptionsWithValue)
        addQtOption(name, QStringLiteral("value"));
    for (const char* name : kQtSwitches)
        addQtOption(name, QString());

    const bool parsed = parser.parse(arguments);
    const std::optional<content::Language> chosen =
        parser.isSet(language) ? content::languageOfCode(parser.value(language)) : std::nullopt;
    const content::Language messages = chosen.value_or(localeLanguage());
    const bool wrong = !parsed || !parser.positionalArguments().isEmpty() ||
                       (parser.isSet(language) && !chosen) ||
                       (parser.isSet(csv) && !parser.isSet(results)) ||
                       (parser.isSet(answers) && parser.isSet(results));
    // The texts are read from their catalogue only when there is something to say: a start that
    // opens the window would keep its decompressor resident for nothing.
    if (wrong || parser.isSet(help)) {
        const CommandLineTexts texts = commandLineTexts(messages);
        const QString usage = texts.help.arg(QCoreApplication::applicationName());
        if (!wrong) {
            print(stdout, usage);
            return {0};
        }
        if (!parsed)
            complain(parserError(parser.errorText(), texts));
        else if (!parser.positionalArguments().isEmpty())
            // The worksheet opens no files, so any argument left over is a mistake too.
            complain(texts.unexpectedArgument.arg(parser.positionalArguments().first()));
        else if (parser.isSet(language) && !chosen)
            complain(texts.unknownLanguage.arg(parser.value(language)));
        else if (parser.isSet(csv))
            complain(texts.csvWithoutResults);
        else
            complain(texts.answersWithResults);
        print(stderr, QLatin1Char('\n') + usage);
        return {kUsageError};
    }
    if (parser.isSet(version)) {
        print(stdout, QCoreApplication::applicationName() + QLatin1Char(' ') +
                          QCoreApplication::applicationVersion() + QLatin1Char('\n'));
        return {0};
    }
    return {std::nullopt,
            chosen,
            messages,
            parser.isSet(answers),
            parser.isSet(QStringLiteral("display")),
            parser.isSet(QStringLiteral("platform")) ||
                !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"),
            parser.isSet(results) ? std::optional(parser.value(results)) : std::nullopt,
            parser.isSet(csv)};
}

// Qt's X11 and Wayland platforms abort the program where there is no display to connect to.
bool hasDisplay(const Request& request) {
    return request.displayNamed || !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

int showAnswerKey(int argc, char* argv[], const Request& request) {
    // Without a display the key cannot be shown, but the teacher is told where it lies. Writing a
    // copy of it takes fonts, which Qt's offscreen platform gives with no display; Qt's options on
    // the command line are a window's, and no window opens.
    const bool display = hasDisplay(request);
    int justTheProgram = 1;
    if (!display)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication app(display ? argc : justTheProgram, argv);
    // The key of the worksheet's language: the one asked for, or the one the student chose.
    content::useLanguage(request.language.value_or(app::savedLanguage()));
    const CommandLineTexts texts = commandLineTexts(request.messages);
    const app::UrlOpener nothingOpens = [](const QUrl&) { return false; };
    const app::DocumentOpening opening = app::openDocument(
        content::Sheet::AnswerKey, display ? app::desktopUrlOpener() : nothingOpens);
    if (opening.outcome == app::DocumentOpening::Opened)
        return 0;
    if (opening.outcome == app::DocumentOpening::NotFound)
        complain(texts.keyNotFound.arg(opening.path));
    else
        complain((display ? texts.keyNotOpened : texts.noDisplayForKey).arg(opening.path));
    return kNotShown;
}

// The menu bar, the table and the standard dialogs get the program's Greek-capable face too,
// whatever the desktop's default font is.
void useProgramFont() {
    QFont font = content::sansSerifFont();
    font.setPointSizeF(QApplication::font().pointSizeF());
    QApplication::setFont(font);
}

// Reads the folder of hand-ins that --results names; false, having said why, when it cannot.
bool readFolder(app::ResultsFolder& folder, const CommandLineTexts& texts) {
    const QString path = QDir::toNativeSeparators(folder.path());
    switch (folder.read()) {
    case app::ResultsFolder::Failure::None:
        return true;
    case app::ResultsFolder::Failure::Missing:
        complain(texts.folderMissing.arg(path));
        return false;
    case app::ResultsFolder::Failure::NotFolder:
        complain(texts.notAFolder.arg(path));
        return false;
    case app::ResultsFolder::Failure::Unreadable:
        complain(texts.folderUnreadable.arg(path));
        return false;
    }
    return false;
}

// The table of the folder's hand-ins as CSV on standard output, in the command line's language:
// with no display and no window, for spreadsheets and scripts.
int printResults(char* argv[], const Request& request) {
    int justTheProgram = 1;
    const QCoreApplication app(justTheProgram, argv);
    content::useLanguage(request.messages);
    const CommandLineTexts texts = commandLineTexts(request.messages);
    app::ResultsFolder folder(*request.results);
    if (!readFolder(folder, texts))
        return kNotShown;
    app::ResultsTable table;
    table.setEntries(folder.entries());
    app::ResultsOrder order;
    order.setSourceModel(&table);
    const QByteArray csv = app::csvOf(order);
    if (std::fwrite(csv.constData(), 1, size_t(csv.size()), stdout) != size_t(csv.size()) ||
        std::fflush(stdout) != 0) {
        complain(texts.outputFailed);
        return kNotShown;
    }
    return 0;
}

// Runs `window`, which shows a window and returns the event loop's status, in an application of
// the program's face and the worksheet's language; where there is no display, says so instead.
int inWindow(int argc, char* argv[], const Request& request, const std::function<int()>& window) {
    // A platform named on the command line or in the environment is Qt's to start or refuse.
    if (!hasDisplay(request) && !request.platformNamed) {
        complain(commandLineTexts(request.messages).noDisplayForWindow);
        return kNotShown;
    }
    QApplication app(argc, argv);
    useProgramFont();
    // Greek whatever the locale, a Greek school's worksheet, unless --language or the student's
    // choice in the help says otherwise.
    content::useLanguage(request.language.value_or(app::savedLanguage()));
    return window();
}

// The teacher's window on the folder's hand-ins.
int showResults(int argc, char* argv[], const Request& request) {
    app::ResultsFolder folder(*request.results);
    if (!readFolder(folder, commandLineTexts(request.messages)))
        return kNotShown;
    return inWindow(argc, argv, request, [&] {
        app::ResultsWindow window(std::move(folder));
        window.showOnScreen();
        return QApplication::exec();
    });
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral(WORKSHEET_BINARY));
    QCoreApplication::setApplicationVersion(QStringLiteral(WORKSHEET_VERSION));
    const Request request = readCommandLine(argc, argv);
    if (request.exitStatus)
        return *request.exitStatus;
    if (request.answers)
        return showAnswerKey(argc, argv, request);
    if (request.results)
        return request.csv ? printResults(argv, request) : showResults(argc, argv, request);
    return inWindow(argc, argv, request, [] {
        app::Session session;
        session.show();
        return QApplication::exec();
    });
}
