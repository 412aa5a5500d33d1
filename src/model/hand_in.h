#pragma once

#include "model/marking.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QString>
#include <QUuid>

#include <optional>

namespace model {

// One student's work as handed in: who, when, how long and how many checks it took, and the
// worksheet as it stood, which the pure marking scores.
struct HandIn {
    QUuid id;
    QString name;
    QString schoolClass;
    // The login it was handed in from.
    QString account;
    // The local time, with its offset from UTC.
    QDateTime handedIn;
    qint64 seconds = 0;
    int checks = 0;
    Blanks blanks{};
    BoxTexts boxes;

    Marking marking() const { return mark(blanks, boxes); }
};

// The hand-in as an xAPI 1.0.3 statement: the student "completed" the worksheet's activity,
// with its score, duration and answers (docs/hand-in.md gives the form).
QByteArray statementOf(const HandIn& work);

// The longest time a record holds from the start of the worksheet to its hand-in: a school year
// is far shorter, so a longer one is a damaged clock or record.
inline constexpr qint64 kLongestDuration = qint64(400) * 24 * 3600;

// The largest record read: a statement of this program with the longest names is a few
// kilobytes, so anything far larger is not one.
inline constexpr qsizetype kLargestRecord = 256 * 1024;

// Reads a statement that statementOf wrote. Nothing when it is not one: not JSON, larger than
// kLargestRecord, another activity, verb or version of the form, a field missing, of the wrong
// type or out of range, or a score that its own
// answers do not earn.
std::optional<HandIn> handInOf(QByteArrayView statement);

} // namespace model
