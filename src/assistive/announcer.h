#pragma once

#include <QString>
#include <QWidget>

class QAccessibleInterface;

namespace assistive {

// Says things at once, wherever the focus is. Qt cannot tell a screen reader a name has
// changed in a form Orca speaks, but every screen reader speaks a notification the moment it
// appears: so this is an invisible place with the notification role, which takes the words to
// say as its name (and the details as its description) and appears anew.
class Announcer : public QWidget {
public:
    explicit Announcer(QWidget* parent);

    void say(const QString& words, const QString& details = {});

    const QString& words() const { return words_; }
    const QString& details() const { return details_; }

private:
    QString words_;
    QString details_;
};

// What a screen reader finds on the announcer; installAccessibleFactories() installs it.
QAccessibleInterface* announcerInterface(const QString& key, QObject* object);

} // namespace assistive
