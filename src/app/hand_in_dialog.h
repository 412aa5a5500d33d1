#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

namespace model {
class Worksheet;
}

namespace assistive {
class Announcer;
}

namespace app {

// Hands the student's work in: asks for their name and class, shows the folder the work goes to,
// and writes their sheet as a PDF and its record there, or prints the sheet. The work is marked
// as it stands, on a copy: the worksheet and its window stay as they are. The name comes first
// suggested by the account's full name, afterwards as last typed, and so does the class; a name
// or class left empty (or only spaces) is asked for, in words a screen reader speaks. Enter hands
// in, Escape cancels. After a hand-in a message says where the two files are, and the dialog
// closes; after a failure a message names the folder and what went wrong, and the dialog stays.
class HandInDialog : public QDialog {
public:
    HandInDialog(const model::Worksheet& worksheet, QWidget* parent);

private:
    // True when both details are given; otherwise says which are missing and takes the student
    // to the first, and false.
    bool detailsGiven();
    void handIn();
    void print();
    void remember() const;

    const model::Worksheet& worksheet_;
    QString folder_;
    QLineEdit* name_ = nullptr;
    QLineEdit* class_ = nullptr;
    QLabel* problem_ = nullptr;
    assistive::Announcer* announcer_ = nullptr;
};

} // namespace app
