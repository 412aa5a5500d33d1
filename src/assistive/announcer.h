#pragma once

#include <QString>
#include <QWidget>

#include <functional>

class QAccessibleEvent;
class QAccessibleInterface;

namespace assistive {

// Tells assistive technology what changes. Every event by which the window does so goes
// through deliver(), which tests replace to hear them: Qt sends nothing to a screen reader on
// the offscreen platform.
//
// It also says things at once, wherever the focus is. Qt cannot tell a screen reader a name has
// changed in a form Orca speaks, but every screen reader speaks a notification the moment it
// appears: so this is an invisible place with the notification role, which takes the words to
// say as its name (and the details as its description) and appears anew.
class Announcer : public QWidget {
public:
    using Delivery = std::function<void(QAccessibleEvent&)>;

    explicit Announcer(QWidget* parent);

    void deliver(QAccessibleEvent& event) const { delivery_(event); }
    void setDelivery(Delivery delivery) { delivery_ = std::move(delivery); }

    void say(const QString& words, const QString& details = {});

    const QString& words() const { return words_; }
    const QString& details() const { return details_; }

private:
    Delivery delivery_;
    QString words_;
    QString details_;
};

// What a screen reader finds on the announcer; installAccessibleFactories() installs it.
QAccessibleInterface* announcerInterface(const QString& key, QObject* object);

} // namespace assistive
