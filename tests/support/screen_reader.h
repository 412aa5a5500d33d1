#pragma once

#include <QAccessible>
#include <QString>
#include <QStringList>

#include <vector>

// Hears what the program tells assistive technology, as a screen reader's bridge to Qt does:
// every event, whether or not a screen reader is running, from its making to its end. Qt's
// offscreen platform has none of its own to pass them to.
class ScreenReader {
public:
    struct Heard {
        QAccessible::Event type;
        QAccessible::Role role;
        QString name;
        QString description;
    };

    ScreenReader();
    ~ScreenReader();
    ScreenReader(const ScreenReader&) = delete;
    ScreenReader& operator=(const ScreenReader&) = delete;

    std::vector<Heard> heard;

    bool has(QAccessible::Event type, const QString& name) const;
    // What a screen reader speaks at once wherever the focus is: notifications as they appear,
    // their words and, after a bar, their details.
    QStringList said() const;
};
