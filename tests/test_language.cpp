// The worksheet's language: Greek whatever the locale, English when the student chooses it in
// the help (from the next start on, kept in the user's configuration) or --language asks for it,
// and then English on screen, in a screen reader's ears and on paper.
#include "app/language_setting.h"
#include "app/worksheet_document_file.h"
#include "assistive/names.h"
#include "content/language.h"
#include "content/worksheet_document.h"
#include "support/window_fixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

QStringList menuCaptions(const WindowFixture& f) {
    QStringList captions;
    for (QAction* action : f.window->menuBar()->actions())
        captions << action->text();
    return captions;
}

} // namespace

class LanguageTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(scratch_.isValid());
        // The settings are kept in a configuration directory of the test's own.
        qputenv("XDG_CONFIG_HOME", scratch_.filePath("config").toLocal8Bit());
    }

    // Under an English locale the window is Greek; the help's "English" keeps the choice for
    // the next start and says so, while this run stays Greek.
    void theHelpChoosesEnglishForTheNextStart() {
        qputenv("LC_ALL", "en_GB.UTF-8");
        QCOMPARE(app::savedLanguage(), content::Language::Greek);
        WindowFixture f;
        QCOMPARE(f.window->windowTitle(), QString("Παρασκευές οργανικών οξέων"));
        QString told;
        QTimer::singleShot(0, [&] {
            auto* help = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(help);
            QTimer::singleShot(0, [&] {
                auto* notice = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                QVERIFY(notice);
                told = notice->text();
                notice->close();
            });
            for (QAbstractButton* button : help->buttons()) {
                if (button->text() == "English")
                    button->click();
            }
        });
        f.give(WindowFixture::Command::Help);
        QVERIFY(told.contains("επόμενη φορά"));
        QVERIFY(told.contains("next time"));
        QCOMPARE(app::savedLanguage(), content::Language::English);
        QCOMPARE(menuCaptions(f).first(), QString("Βοήθεια"));
    }

    // In English the window's captions, what a screen reader says and the paper are English,
    // the formulas as they were; the documents of the language have names of their own.
    void inEnglishTheScreenTheSpeechAndThePaperAreEnglish() {
        QVERIFY(content::useLanguage(content::Language::English));
        WindowFixture f;
        QCOMPARE(f.window->windowTitle(), QString("Preparations of carboxylic acids"));
        QCOMPARE(menuCaptions(f), (QStringList{"Help", "Check", "Start over", "Worksheet",
                                               "Hand in...", "|", "About...", "Exit"}));
        QCOMPARE(assistive::blankName(f.worksheet, 0),
                 QString("Catalytic oxidation of butane, C4H10: product blank, empty"));
        f.worksheet.place(0, model::Ethanoic);
        QCOMPARE(assistive::blankName(f.worksheet, 0),
                 QString("Catalytic oxidation of butane, C4H10: product blank, "
                         "ethanoic acid, CH3COOH"));

        const QString key = scratch_.filePath("key.pdf");
        QVERIFY(content::writeWorksheetDocument(key, content::Sheet::AnswerKey));
        QProcess info;
        info.start("pdfinfo", {key});
        QVERIFY(info.waitForFinished());
        QVERIFY(QString::fromUtf8(info.readAllStandardOutput())
                    .contains(QRegularExpression(
                        "(?m)^Title: +Preparations of carboxylic acids — Answers$")));
        QVERIFY(app::documentInData(content::Sheet::AnswerKey).endsWith("-answers-en.pdf"));
    }

private:
    QTemporaryDir scratch_;
};

QTEST_MAIN(LanguageTest)
#include "test_language.moc"
