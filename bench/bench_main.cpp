// Prints one table: the worksheet's start-up, peak memory and settled memory against an empty
// main window, each a whole process measured from outside, the instructions its start-up runs
// where valgrind is installed, and the time of its commonest actions on the real window. Figures
// are medians with the least and the most of the runs of this one call.
#include "child_runs.h"
#include "interaction.h"
#include "samples.h"

#include <QApplication>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <QThread>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct Options {
    int startups = 15;
    int settled = 5;
    int rounds = 30;
    int dragSteps = 2000;
    // An X display (such as :99) for start-ups under X as well as offscreen.
    std::optional<std::string> display;
};

[[noreturn]] void usage() {
    std::cerr << "usage: worksheet_bench [--startups N] [--settled N] [--rounds N] "
                 "[--drag-steps N] [--display :N]\n";
    std::exit(2);
}

Options parse(int argc, char* argv[]) {
    Options options;
    const auto count = [&](int& i) {
        if (i + 1 >= argc)
            usage();
        const int value = std::atoi(argv[++i]);
        if (value < 1)
            usage();
        return value;
    };
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--startups")
            options.startups = count(i);
        else if (arg == "--settled")
            options.settled = count(i);
        else if (arg == "--rounds")
            options.rounds = count(i);
        else if (arg == "--drag-steps")
            options.dragSteps = count(i);
        else if (arg == "--display" && i + 1 < argc)
            options.display = argv[++i];
        else
            usage();
    }
    return options;
}

struct Platform {
    QString label;
    std::vector<std::string> environment;
    // The most the worksheet's start-up may take, as a multiple of the empty window's.
    double startupRatio;
};

struct StartupFigures {
    std::vector<double> milliseconds;
    std::vector<double> peakRssMiB;
};

struct StartupPair {
    StartupFigures worksheet;
    StartupFigures baseline;
    // Resident memory once settled, every section visited.
    std::vector<double> worksheetSettledMiB;
    std::vector<double> baselineSettledMiB;
};

// Runs alternate between the two programs, so that a drift of the machine touches both alike;
// one untimed run of each first brings the files into the page cache.
StartupPair timeStartups(const std::filesystem::path& dir, const Platform& platform, int runs) {
    const std::string worksheet = (dir / "worksheet_first_frame").string();
    const std::string baseline = (dir / "empty_window_first_frame").string();
    bench::runToExit(worksheet, platform.environment);
    bench::runToExit(baseline, platform.environment);
    StartupPair pair;
    for (int i = 0; i < runs; ++i) {
        for (auto [program, figures] :
             {std::pair{&worksheet, &pair.worksheet}, std::pair{&baseline, &pair.baseline}}) {
            const bench::ChildRun run = bench::runToExit(*program, platform.environment);
            figures->milliseconds.push_back(run.milliseconds);
            figures->peakRssMiB.push_back(run.peakRssMiB);
        }
    }
    return pair;
}

void measureSettled(const std::filesystem::path& dir, const Platform& platform, int runs,
                    StartupPair& pair) {
    const std::string worksheet = (dir / "worksheet_settled").string();
    const std::string baseline = (dir / "empty_window_settled").string();
    for (int i = 0; i < runs; ++i) {
        pair.worksheetSettledMiB.push_back(
            bench::residentWhenSettled(worksheet, platform.environment));
        pair.baselineSettledMiB.push_back(
            bench::residentWhenSettled(baseline, platform.environment));
    }
}

// The instructions of a start-up where the build has no pictures of the drawings, on a screen
// scaled to `scale` or in a language other than Greek: the very first start, which paints them
// and keeps them in the user's cache, and a second, which reads them there; and the empty
// window's at the same scale.
struct FreshInstructions {
    QString label;
    std::optional<double> first;
    std::optional<double> second;
    std::optional<double> baseline;
};

FreshInstructions countFreshStartups(const std::filesystem::path& dir,
                                     const std::vector<std::string>& offscreen,
                                     const std::string& scale, const char* language) {
    const std::filesystem::path home = std::filesystem::temp_directory_path() /
                                       ("worksheet-bench-" + scale + "-" + language);
    std::filesystem::remove_all(home);
    // The language is the one the student chose in the window, kept in their settings.
    const std::filesystem::path settings = home / "config" / WORKSHEET_BINARY;
    std::filesystem::create_directories(settings);
    std::ofstream(settings / WORKSHEET_BINARY ".conf") << "[General]\nlanguage=" << language
                                                        << '\n';
    std::vector<std::string> environment = offscreen;
    environment.push_back("QT_SCALE_FACTOR=" + scale);
    environment.push_back("XDG_CACHE_HOME=" + (home / "cache").string());
    environment.push_back("XDG_CONFIG_HOME=" + (home / "config").string());
    const std::string worksheet = (dir / "worksheet_first_frame").string();
    FreshInstructions counted;
    counted.label = std::string_view(language) == "el"
                        ? QStringLiteral("at %1 %").arg(std::lround(std::stod(scale) * 100))
                        : QStringLiteral("in English at 100 %");
    counted.first = bench::instructionsToExit(worksheet, environment);
    // A start that ends as the program does keeps the pictures it painted.
    std::vector<std::string> ending = environment;
    ending.push_back("FIRST_FRAME_QUIT=1");
    bench::runToExit(worksheet, ending);
    counted.second = bench::instructionsToExit(worksheet, environment);
    counted.baseline =
        bench::instructionsToExit((dir / "empty_window_first_frame").string(), environment);
    std::filesystem::remove_all(home);
    return counted;
}

// Qt's notes on the platform would land in the middle of the table: they follow it instead.
QStringList qtNotes;

void keepNote(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) {
        std::cerr << message.toStdString() << '\n';
        std::abort();
    }
    if (!qtNotes.contains(message))
        qtNotes << message;
}

void printNotes() {
    for (const QString& note : std::as_const(qtNotes))
        std::cerr << "Qt: " << note.toStdString() << '\n';
}

class Table {
public:
    explicit Table(QTextStream& out) : out_(out) {}

    void header() {
        row({"figure", "unit", "worksheet: median [min – max]", "baseline: median [min – max]",
             "ratio", "target", "met"});
        out_ << QString(kWidths[0] + kWidths[1] + kWidths[2] + kWidths[3] + kWidths[4] +
                            kWidths[5] + kWidths[6] + 6 * 2,
                        QLatin1Char('-'))
             << '\n';
    }

    // A figure with a baseline: the target bounds the ratio of the medians.
    void compared(const QString& figure, const QString& unit, const bench::Summary& worksheet,
                  const bench::Summary& baseline, double maxRatio, int decimals) {
        const double ratio = worksheet.median / baseline.median;
        row({figure, unit, spread(worksheet, decimals), spread(baseline, decimals),
             QString::number(ratio, 'f', 2) + QStringLiteral("×"),
             QStringLiteral("≤ ") + QString::number(maxRatio, 'f', 2) + QStringLiteral("×"),
             ratio <= maxRatio ? QStringLiteral("yes") : QStringLiteral("no")});
    }

    // A figure of the worksheet alone: the target bounds the median, or every run.
    enum class Bound { Median, Every };
    void alone(const QString& figure, const QString& unit, const bench::Summary& worksheet,
               std::optional<double> below, int decimals, Bound bound = Bound::Median) {
        const double judged = bound == Bound::Median ? worksheet.median : worksheet.max;
        const QString target =
            (bound == Bound::Median ? QStringLiteral("< ") : QStringLiteral("all < ")) +
            QString::number(below.value_or(0));
        row({figure, unit, spread(worksheet, decimals), QStringLiteral("–"), QStringLiteral("–"),
             below ? target : QString(),
             below ? (judged < *below ? QStringLiteral("yes") : QStringLiteral("no")) : QString()});
    }

private:
    static constexpr int kWidths[7] = {48, 4, 30, 30, 6, 8, 3};

    static QString spread(const bench::Summary& s, int decimals) {
        return QString::number(s.median, 'f', decimals) + QStringLiteral(" [") +
               QString::number(s.min, 'f', decimals) + QStringLiteral(" – ") +
               QString::number(s.max, 'f', decimals) + QStringLiteral("]");
    }

    void row(const std::vector<QString>& cells) {
        QString line;
        for (size_t i = 0; i < cells.size(); ++i) {
            const bool numeric = i >= 2;
            line +=
                numeric ? cells[i].rightJustified(kWidths[i]) : cells[i].leftJustified(kWidths[i]);
            if (i + 1 < cells.size())
                line += QStringLiteral("  ");
        }
        while (line.endsWith(QLatin1Char(' ')))
            line.chop(1);
        out_ << line << '\n';
    }

    QTextStream& out_;
};

} // namespace

int main(int argc, char* argv[]) {
    const Options options = parse(argc, argv);
    const std::filesystem::path dir = std::filesystem::read_symlink("/proc/self/exe").parent_path();

    const std::string screen = (dir / "screen.json").string();
    std::vector<Platform> platforms{
        {QStringLiteral("offscreen"), {"QT_QPA_PLATFORM=offscreen:configfile=" + screen}, 1.15}};
    if (options.display)
        platforms.push_back(
            {QStringLiteral("Xvfb"), {"QT_QPA_PLATFORM=xcb", "DISPLAY=" + *options.display}, 1.10});

    try {
        // The child processes come first, while this process has no threads of Qt's yet.
        std::vector<StartupPair> startups;
        for (const Platform& platform : platforms) {
            startups.push_back(timeStartups(dir, platform, options.startups));
            measureSettled(dir, platform, options.settled, startups.back());
        }
        const std::vector<std::string> offscreen = platforms.front().environment;
        const auto worksheetInstructions =
            bench::instructionsToExit((dir / "worksheet_first_frame").string(), offscreen);
        const auto baselineInstructions =
            bench::instructionsToExit((dir / "empty_window_first_frame").string(), offscreen);
        std::vector<FreshInstructions> fresh;
        for (const char* scale : {"1.25", "1.5"})
            fresh.push_back(countFreshStartups(dir, offscreen, scale, "el"));
        fresh.push_back(countFreshStartups(dir, offscreen, "1", "en"));

        // The actions are timed on the headless platform, where no display server shares the
        // CPU and the time is all the program's own.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(keepNote);
        QApplication app(argc, argv);
        const bench::InteractionTimes actions =
            bench::timeInteraction(options.rounds, options.dragSteps);

        QTextStream out(stdout);
        out << "Start-up and peak RSS: " << options.startups
            << " whole runs of each program on each platform, exec to exit. Settled RSS: "
            << options.settled << " runs of each, read from outside once every section was shown.\n"
            << "Actions on the real window, offscreen: " << actions.restart.handlers.size()
            << " restarts, " << actions.drop.handlers.size() << " drops and "
            << actions.check.handlers.size() << " checks; " << actions.dragStep.handlers.size()
            << " drag-over steps (" << QString::number(actions.paintsPerDragStep, 'f', 1)
            << " paint events a step).\n"
            << "Qt " << qVersion() << ", " << QThread::idealThreadCount() << " CPUs.\n\n";
        Table table(out);
        table.header();
        for (size_t i = 0; i < platforms.size(); ++i)
            table.compared(
                QStringLiteral("start-up to first frame, ") + platforms[i].label,
                QStringLiteral("ms"), bench::summarize(startups[i].worksheet.milliseconds),
                bench::summarize(startups[i].baseline.milliseconds), platforms[i].startupRatio, 1);
        if (worksheetInstructions && baselineInstructions)
            table.compared(QStringLiteral("instructions to first frame, offscreen"),
                           QStringLiteral("M"), bench::summarize({*worksheetInstructions / 1e6}),
                           bench::summarize({*baselineInstructions / 1e6}), 1.15, 1);
        for (const FreshInstructions& at : fresh) {
            if (!at.baseline)
                continue;
            const auto scaledRow = [&](const char* start, std::optional<double> worksheet,
                                       double ratio) {
                if (worksheet)
                    table.compared(QStringLiteral("  %1, %2").arg(at.label, start),
                                   QStringLiteral("M"), bench::summarize({*worksheet / 1e6}),
                                   bench::summarize({*at.baseline / 1e6}), ratio, 1);
            };
            scaledRow("second start", at.second, 1.10);
            scaledRow("first start", at.first, 1.5);
        }
        for (size_t i = 0; i < platforms.size(); ++i)
            table.compared(QStringLiteral("peak RSS of those runs, ") + platforms[i].label,
                           QStringLiteral("MiB"),
                           bench::summarize(startups[i].worksheet.peakRssMiB),
                           bench::summarize(startups[i].baseline.peakRssMiB), 1.08, 1);
        for (size_t i = 0; i < platforms.size(); ++i)
            table.compared(QStringLiteral("RSS settled, every section seen, ") + platforms[i].label,
                           QStringLiteral("MiB"), bench::summarize(startups[i].worksheetSettledMiB),
                           bench::summarize(startups[i].baselineSettledMiB), 1.08, 1);
        const auto action = [&](const QString& figure, const bench::ActionTimes& times,
                                std::optional<double> below,
                                Table::Bound bound = Table::Bound::Median) {
            table.alone(figure + QStringLiteral(", with repaint"), QStringLiteral("µs"),
                        bench::summarize(times.withRepaint), below, 1, bound);
            table.alone(QStringLiteral("  handlers alone"), QStringLiteral("µs"),
                        bench::summarize(times.handlers), below, 1, bound);
        };
        action(QStringLiteral("first visit to sections 1 to 4"), actions.firstVisit, 2000,
               Table::Bound::Every);
        action(QStringLiteral("drag-over step across a section"), actions.dragStep, 500);
        action(QStringLiteral("drop into a blank"), actions.drop, std::nullopt);
        action(QStringLiteral("restart"), actions.restart, 5000);
        action(QStringLiteral("check of a full correct worksheet"), actions.check, 100);
    } catch (const std::exception& error) {
        printNotes();
        std::cerr << "worksheet_bench: " << error.what() << '\n';
        return 1;
    }
    printNotes();
    return 0;
}
