// Linked only into the start-up probes, never into the program: it hooks the application as it
// is constructed, so main() stays exactly the program's own, and ends the process as soon as the
// main window's first frame is on screen. The parent times the whole process from exec to exit.
#include <QCoreApplication>
#include <QEvent>
#include <QMainWindow>
#include <QTimer>

#include <cstdlib>

namespace {

// A probe that never paints must not hang the benchmark; its parent reports the exit code.
constexpr int kNoFrameExitCode = 3;
constexpr int kPatienceMs = 60'000;

class FirstFrameExit : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (seen_ || event->type() != QEvent::Paint || !watched->isWidgetType())
            return false;
        if (!qobject_cast<QMainWindow*>(static_cast<QWidget*>(watched)->window()))
            return false;
        seen_ = true;
        // This paint event is one of a whole backing-store sync, which ends with the flush to
        // the screen before control returns to the event loop: the queued call runs after it.
        // Leaving without tearing the window down keeps the teardown out of the start-up time;
        // asked to, the probe ends as the program does instead, keeping what it keeps at its end
        // (the pictures a next start reads).
        if (qEnvironmentVariableIsSet("FIRST_FRAME_QUIT"))
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        else
            QMetaObject::invokeMethod(
                this, [] { std::_Exit(EXIT_SUCCESS); }, Qt::QueuedConnection);
        return false;
    }

private:
    bool seen_ = false;
};

void exitAfterFirstFrame() {
    QCoreApplication* app = QCoreApplication::instance();
    app->installEventFilter(new FirstFrameExit(app));
    QTimer::singleShot(kPatienceMs, app, [] { std::_Exit(kNoFrameExitCode); });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(exitAfterFirstFrame)
