#pragma once

#include <QMenuBar>
#include <QPointer>

namespace app {

// A menu bar of top-level commands that the keyboard reaches with F10: the arrows (and Home and
// End) walk the commands, Enter, Space or the down arrow gives the highlighted one, and Escape
// or F10 goes back to where the focus was. After a command the focus is where it was too,
// unless the command itself moved it. Its look is the toolkit's own.
class MenuBar : public QMenuBar {
public:
    explicit MenuBar(QWidget* parent = nullptr);

    // An item that only separates the commands: the keyboard walks past it and a screen reader
    // finds a separator there, not a command to press.
    void setSeparating(QAction* action);

    // Highlights the first command and takes the keyboard, or gives it back if it has it.
    void toggleKeyboard();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool hasKeyboard() const { return hasFocus(); }
    QList<QAction*> walkable() const;
    void leave();
    void give(QAction* command);

    QList<QAction*> skipped_;
    QPointer<QWidget> returnFocusTo_;
    // The command highlighted when the window lost the input with the bar in hand.
    QPointer<QAction> resumeAt_;
};

} // namespace app
