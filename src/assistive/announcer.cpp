#include "assistive/announcer.h"

#include <QAccessibleWidget>

namespace assistive {

namespace {

class AnnouncerAccessible : public QAccessibleWidget {
public:
    explicit AnnouncerAccessible(Announcer* announcer)
        : QAccessibleWidget(announcer, QAccessible::Notification) {}

    QString text(QAccessible::Text t) const override {
        const auto* announcer = static_cast<const Announcer*>(widget());
        switch (t) {
        case QAccessible::Name:
            return announcer->words();
        case QAccessible::Description:
            return announcer->details();
        default:
            return QAccessibleWidget::text(t);
        }
    }
};

} // namespace

QAccessibleInterface* announcerInterface(const QString&, QObject* object) {
    if (auto* announcer = dynamic_cast<Announcer*>(object))
        return new AnnouncerAccessible(announcer);
    return nullptr;
}

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
    // Nothing to see or touch: it paints nothing and lets the pointer through.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1);
    show();
}

void Announcer::say(const QString& words, const QString& details) {
    words_ = words;
    details_ = details;
    // The name and description changes make a reader that keeps them ask again; the showing is
    // what it speaks.
    QAccessibleEvent name(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&name);
    QAccessibleEvent description(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&description);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

} // namespace assistive
