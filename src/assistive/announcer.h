#pragma once

#include <QString>
#include <QWidget>

#include <functional>

class QAccessibleEvent;

namespace assistive {

// Says something to a screen reader at once, wherever the focus is. Qt cannot tell a screen
// reader a name has changed in a form Orca speaks, but every screen reader speaks a notification
// the moment it appears: so this is an invisible place with the notification role, which takes
// the words to be said as its name (and the details as its description) and appears anew.
class Announcer : public QWidget {
public:
    // `deliver` sends the events to assistive technology; tests put their own in its place.
    Announcer(QWidget* parent, std::function<void(QAccessibleEvent&)> deliver);

    void say(const QString& words, const QString& details = {});

    const QString& words() const { return words_; }
    const QString& details() const { return details_; }

private:
    std::function<void(QAccessibleEvent&)> deliver_;
    QString words_;
    QString details_;
};

} // namespace assistive
