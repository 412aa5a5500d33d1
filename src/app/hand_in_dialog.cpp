#include "app/hand_in_dialog.h"

#include "app/hand_in_files.h"
#include "app/path_message.h"
#include "app/printing.h"
#include "assistive/announcer.h"
#include "content/texts.h"
#include "content/worksheet_document.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

#include <algorithm>

namespace app {

namespace {

namespace texts = content::texts;

const QString kNameKey = QStringLiteral("hand-in/name");
const QString kClassKey = QStringLiteral("hand-in/class");

// The user's own settings, ~/.config/<program>/<program>.conf.
QSettings userSettings() {
    const QString program = QCoreApplication::applicationName();
    return QSettings(program, program);
}

void showMessage(QWidget* parent, QMessageBox::Icon icon, const QString& text) {
    showPathMessage(parent, icon, texts::handInTitle(), text);
}

QString whyNotHandedIn(const HandInWriting& writing, const QString& folder) {
    const QString path = QDir::toNativeSeparators(folder);
    QString why;
    switch (writing.outcome) {
    case HandInWriting::NoFolder:
        why = texts::handInNoFolder().arg(path);
        break;
    case HandInWriting::TooLong:
        why = texts::handInTooLong();
        break;
    default:
        why = texts::handInNotWritten().arg(path);
        if (!writing.reason.isEmpty())
            why += QStringLiteral("\n(%1)").arg(writing.reason);
    }
    return why + QStringLiteral("\n\n") + texts::handInStillHere();
}

} // namespace

HandInDialog::HandInDialog(const model::Worksheet& worksheet, QWidget* parent)
    : QDialog(parent), worksheet_(worksheet), folder_(handInFolder()) {
    setWindowTitle(texts::handInTitle());
    auto* intro = new QLabel(texts::handInIntro());
    intro->setWordWrap(true);

    const QSettings kept = userSettings();
    name_ = new QLineEdit(kept.value(kNameKey, accountFullName()).toString());
    class_ = new QLineEdit(kept.value(kClassKey).toString());
    class_->setPlaceholderText(texts::handInClassExample());
    // The folder is shown to be read and copied; the keys reach it after the class, as any field.
    auto* folder = new QLineEdit(QDir::toNativeSeparators(folder_));
    folder->setReadOnly(true);
    folder->setCursorPosition(0);
    // Wide enough for the whole of a usual path; a longer one scrolls. A line edit's own hint is
    // 17 characters and its margins.
    const QFontMetrics metrics = folder->fontMetrics();
    folder->setMinimumWidth(
        std::min(metrics.horizontalAdvance(folder->text()), metrics.averageCharWidth() * 60) +
        folder->sizeHint().width() - 17 * metrics.horizontalAdvance(QLatin1Char('x')) + 2);

    auto* form = new QFormLayout;
    const auto addRow = [&](const QString& label, QLineEdit* field) {
        form->addRow(label, field);
        // A screen reader names the field after its label, without the colon.
        QString name = label;
        if (name.endsWith(QLatin1Char(':')))
            name.chop(1);
        field->setAccessibleName(name);
    };
    addRow(texts::handInName(), name_);
    addRow(texts::handInClass(), class_);
    addRow(texts::handInFolder(), folder);

    problem_ = new QLabel;
    problem_->setWordWrap(true);
    QFont bold = problem_->font();
    bold.setBold(true);
    problem_->setFont(bold);
    problem_->hide();

    auto* buttons = new QDialogButtonBox;
    QPushButton* handIn = buttons->addButton(texts::handInButton(), QDialogButtonBox::AcceptRole);
    QPushButton* print = buttons->addButton(texts::handInPrint(), QDialogButtonBox::ActionRole);
    QPushButton* cancel = buttons->addButton(texts::handInCancel(), QDialogButtonBox::RejectRole);
    handIn->setDefault(true);
    connect(handIn, &QPushButton::clicked, this, &HandInDialog::handIn);
    connect(print, &QPushButton::clicked, this, &HandInDialog::print);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(form);
    layout->addWidget(problem_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(name_, class_);
    setTabOrder(class_, folder);
    name_->setFocus();
    name_->selectAll();
}

bool HandInDialog::detailsGiven() {
    const bool name = !name_->text().trimmed().isEmpty();
    const bool schoolClass = !class_->text().trimmed().isEmpty();
    name_->setAccessibleDescription(name ? QString() : texts::handInNameMissing());
    class_->setAccessibleDescription(schoolClass ? QString() : texts::handInClassMissing());
    if (name && schoolClass) {
        problem_->hide();
        return true;
    }
    const QString problem = !name && !schoolClass ? texts::handInBothMissing()
                            : name                ? texts::handInClassMissing()
                                                  : texts::handInNameMissing();
    problem_->setText(problem);
    problem_->show();
    // A reader speaks a field that takes the focus, but not one that has it already.
    // Says what is missing at once, wherever the focus is; it takes neither the focus nor a
    // click. Made only when there is something to say: shown with the dialog, it had a reader
    // say an empty "notification" as the dialog opened.
    if (!announcer_)
        announcer_ = new assistive::Announcer(this);
    announcer_->say(problem);
    (name ? class_ : name_)->setFocus(Qt::OtherFocusReason);
    return false;
}

void HandInDialog::remember() const {
    QSettings kept = userSettings();
    kept.setValue(kNameKey, name_->text().trimmed());
    kept.setValue(kClassKey, class_->text().trimmed());
}

void HandInDialog::handIn() {
    if (!detailsGiven())
        return;
    remember();
    const HandInWriting writing =
        writeHandIn(folder_, handInNow(worksheet_, name_->text(), class_->text()));
    if (writing.outcome != HandInWriting::Written) {
        showMessage(this, QMessageBox::Warning, whyNotHandedIn(writing, folder_));
        return;
    }
    accept();
    showMessage(parentWidget(), QMessageBox::Information,
                texts::handedIn().arg(QDir::toNativeSeparators(folder_),
                                      QFileInfo(writing.pdf).fileName(),
                                      QFileInfo(writing.record).fileName()));
}

void HandInDialog::print() {
    if (!detailsGiven())
        return;
    remember();
    const model::HandIn work = handInNow(worksheet_, name_->text(), class_->text());
    // The print queue names the job as the hand-in names its files, and Qt's dialog offers that
    // name for printing to a file: whatever was typed, it is a plain file name.
    const PrintOutcome printed = printThroughDialog(
        this, handInBaseName(work.name, work.schoolClass, work.handedIn),
        [&](QPagedPaintDevice& printer) { return content::paintStudentSheet(printer, work); });
    if (printed == PrintOutcome::Failed)
        showMessage(this, QMessageBox::Warning, texts::handInNotPrinted());
}

} // namespace app
