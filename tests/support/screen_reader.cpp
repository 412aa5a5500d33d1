// Qt hands every accessibility event to the bridges its platform loads, screen reader or not; a
// bridge linked into the test as a static plugin is one of them.
#define QT_STATICPLUGIN

#include "support/screen_reader.h"

#include <QAccessibleBridge>
#include <QAccessibleBridgePlugin>
#include <QtPlugin>

#include <algorithm>

namespace {

ScreenReader* listening = nullptr;

class Bridge : public QAccessibleBridge {
public:
    void setRootObject(QAccessibleInterface*) override {}
    void notifyAccessibilityUpdate(QAccessibleEvent* event) override {
        if (!listening)
            return;
        QAccessibleInterface* about = event->accessibleInterface();
        listening->heard.push_back({event->type(), about ? about->role() : QAccessible::NoRole,
                                    about ? about->text(QAccessible::Name) : QString(),
                                    about ? about->text(QAccessible::Description) : QString()});
    }
};

} // namespace

class ScreenReaderBridge : public QAccessibleBridgePlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QAccessibleBridgeFactoryInterface_iid FILE "screen_reader.json")

public:
    // Qt keeps the bridges it loads for the rest of the process and never deletes one.
    QAccessibleBridge* create(const QString&) override {
        static Bridge bridge;
        return &bridge;
    }
};

Q_IMPORT_PLUGIN(ScreenReaderBridge)

ScreenReader::ScreenReader() {
    listening = this;
}

ScreenReader::~ScreenReader() {
    listening = nullptr;
}

bool ScreenReader::has(QAccessible::Event type, const QString& name) const {
    return std::any_of(heard.begin(), heard.end(),
                       [&](const Heard& h) { return h.type == type && h.name == name; });
}

QStringList ScreenReader::said() const {
    QStringList words;
    for (const Heard& h : heard) {
        if (h.type == QAccessible::ObjectShow && h.role == QAccessible::Notification)
            words << (h.description.isEmpty() ? h.name : h.name + " | " + h.description);
    }
    return words;
}

#include "screen_reader.moc"
