// Linked only into the memory probes, never into the program: once the main window's first frame
// is on screen it lets the program do what it leaves for later, shows every section the window
// has, one after another (the empty window has none, and waits as long), waits again, and then
// tells its parent it has settled, on its standard output. The parent reads the resident memory
// of the running process from outside and ends it.
#include <QCoreApplication>
#include <QEvent>
#include <QMainWindow>
#include <QScrollBar>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

constexpr int kIdleMs = 300;
constexpr int kSectionMs = 100;
constexpr int kSections = 5;
constexpr int kNoFrameExitCode = 3;
constexpr int kPatienceMs = 60'000;

class SettledProbe : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (window_ || event->type() != QEvent::Paint || !watched->isWidgetType())
            return false;
        window_ = qobject_cast<QMainWindow*>(static_cast<QWidget*>(watched)->window());
        if (window_)
            QTimer::singleShot(kIdleMs, this, [this] { visit(1); });
        return false;
    }

private:
    // Turns to each section in turn, as a student reading the worksheet does, and back to the
    // first; the empty window only waits the same time.
    void visit(int section) {
        if (section <= kSections) {
            if (auto* bar = window_->findChild<QScrollBar*>())
                bar->setValue(section % kSections);
            QTimer::singleShot(kSectionMs, this, [this, section] { visit(section + 1); });
            return;
        }
        QTimer::singleShot(kIdleMs, this, [] {
            std::fputs("settled\n", stdout);
            std::fflush(stdout);
        });
    }

    QMainWindow* window_ = nullptr;
};

void settleAfterFirstFrame() {
    QCoreApplication* app = QCoreApplication::instance();
    app->installEventFilter(new SettledProbe(app));
    QTimer::singleShot(kPatienceMs, app, [] { std::_Exit(kNoFrameExitCode); });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(settleAfterFirstFrame)
