#include "app/work_keeper.h"

#include "app/bounded_read.h"
#include "model/kept_work.h"
#include "view/board.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

#include <cerrno>
#include <condition_variable>
#include <fcntl.h>
#include <mutex>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace app {

namespace {

const QString kWorkFile = QStringLiteral("work.json");
const QString kLockFile = QStringLiteral("work.lock");
// Set aside as work.json.unreadable, or with a number after it where that name is taken.
const QString kSetAsideSuffix = QStringLiteral(".unreadable");
constexpr int kSetAsideNames = 100;
// Long enough that a burst of changes (a check emptying blanks and boxes, a number typed) makes
// one write; short enough that a power cut loses little.
constexpr int kWriteDelayMs = 300;

bool nameTaken(const QString& path) {
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0;
}

} // namespace

// Writes the work on a thread of its own: a write is synced to the disk, which takes tens of
// milliseconds on a busy disk and longer on a slow or a network one, and a key pressed or a card
// taken up meanwhile would wait for it. Only the latest state waits its turn: one overtaken by a
// newer one is never written. The thread starts with the first write.
class WorkKeeper::Writer {
public:
    explicit Writer(QString path) : path_(std::move(path)) {}
    // What is under way or waiting is done first.
    ~Writer() {
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            stopping_ = true;
        }
        wake_.notify_one();
        if (thread_.joinable())
            thread_.join();
    }
    Writer(const Writer&) = delete;
    Writer& operator=(const Writer&) = delete;

    // Nothing as the state removes the file.
    void put(std::optional<model::Worksheet::State> state) {
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            next_ = std::move(state);
            due_ = true;
        }
        if (!thread_.joinable())
            thread_ = std::thread([this] { run(); });
        wake_.notify_one();
    }

private:
    void run() {
        std::unique_lock<std::mutex> lock(mutex_);
        for (;;) {
            wake_.wait(lock, [this] { return due_ || stopping_; });
            if (!due_)
                return;
            const std::optional<model::Worksheet::State> state = std::move(next_);
            due_ = false;
            lock.unlock();
            if (state) {
                QSaveFile file(path_);
                if (file.open(QIODevice::WriteOnly)) {
                    file.write(model::keptWork(*state));
                    file.commit();
                }
            } else {
                QFile::remove(path_);
            }
            lock.lock();
        }
    }

    const QString path_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<model::Worksheet::State> next_;
    bool due_ = false;
    bool stopping_ = false;
    std::thread thread_;
};

WorkKeeper::WorkKeeper(model::Worksheet& worksheet, const view::Board& board, const QString& folder,
                       QObject* parent)
    : QObject(parent), worksheet_(worksheet), board_(board), folder_(folder) {
    writeTimer_.setSingleShot(true);
    writeTimer_.setInterval(kWriteDelayMs);
    connect(&writeTimer_, &QTimer::timeout, this, &WorkKeeper::write);
}

WorkKeeper::~WorkKeeper() {
    writer_.reset();
    if (lock_ >= 0)
        ::close(lock_);
}

QString WorkKeeper::userFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString WorkKeeper::pathOf(const QString& name) const {
    return folder_ + QLatin1Char('/') + name;
}

// The kernel holds the lock for as long as the program runs, and lets it go however the program
// ends, a crash and SIGKILL included: a lock left by a program that is gone is never in the way.
// (A lock that lives in its file's contents, as QLockFile's does, is synced to the disk at every
// start, on the way to the window's first frame.) The file stays: removed, it could be locked by
// one program as another makes it anew.
bool WorkKeeper::lock() {
    if (folder_.isEmpty() || !QDir().mkpath(folder_))
        return false;
    const int fd = ::open(QFile::encodeName(pathOf(kLockFile)).constData(),
                          O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    lock_ = fd;
    return true;
}

WorkKeeper::Found WorkKeeper::takeUp() {
    if (keeping_ || !lock())
        return Found::Nothing;
    keeping_ = true;
    writer_ = std::make_unique<Writer>(pathOf(kWorkFile));

    Found found = Found::Nothing;
    const QString path = pathOf(kWorkFile);
    const BoundedRead reading =
        readBounded(AT_FDCWD, QFile::encodeName(path).constData(), model::kKeptWorkLimit);
    if (reading.openError != ENOENT) {
        const bool fits = reading.bytes && reading.bytes->size() <= model::kKeptWorkLimit;
        const auto state = fits ? model::readKeptWork(*reading.bytes) : std::nullopt;
        if (state && worksheet_.restore(*state)) {
            found = Found::Work;
            fresh_ = false;
            written_ = state;
        } else {
            found = Found::Unreadable;
            setAside_ = path;
            for (int n = 1; n <= kSetAsideNames; ++n) {
                const QString aside =
                    path + kSetAsideSuffix + (n == 1 ? QString() : QStringLiteral("-%1").arg(n));
                if (nameTaken(aside))
                    continue;
                if (::rename(QFile::encodeName(path).constData(),
                             QFile::encodeName(aside).constData()) == 0)
                    setAside_ = aside;
                break;
            }
        }
    }

    const auto changed = [this] {
        fresh_ = false;
        writeTimer_.start();
    };
    connect(&worksheet_, &model::Worksheet::blankChanged, this, changed);
    connect(&worksheet_, &model::Worksheet::coefficientChanged, this, changed);
    connect(&worksheet_, &model::Worksheet::checked, this, changed);
    // Announced after the blanks and boxes it empties.
    connect(&worksheet_, &model::Worksheet::restarted, this, [this] {
        fresh_ = true;
        writeTimer_.start();
    });
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this,
            &WorkKeeper::finish);
    return found;
}

// A file written whole or not at all (QSaveFile): a crash in the middle leaves the one before.
void WorkKeeper::write() {
    if (!keeping_)
        return;
    if (board_.isDragging()) {
        writeTimer_.start();
        return;
    }
    std::optional<model::Worksheet::State> state;
    if (!fresh_)
        state = worksheet_.state();
    if (state == written_)
        return;
    written_ = state;
    writer_->put(std::move(state));
}

// Once what is under way is written, the file goes.
void WorkKeeper::finish() {
    if (!keeping_)
        return;
    keeping_ = false;
    writeTimer_.stop();
    writer_.reset();
    QFile::remove(pathOf(kWorkFile));
    ::close(lock_);
    lock_ = -1;
}

} // namespace app
