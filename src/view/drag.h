#pragma once

#include <QObject>

class QWidget;

namespace view {

// A card taken up from the palette, until it is let go. It starts with the press itself, with
// no threshold. While it lasts it holds the input: the wheel and the keys wait, so that the
// section cannot turn under the card nor a key give a command, and the pointer shows the drag
// icon. It ends without a drop when the window loses the input or the student presses Escape;
// whoever holds it then sends the card home.
class Drag : public QObject {
    Q_OBJECT

public:
    // `window` is the top-level window whose input the drag holds; `owner` deletes the drag
    // should nothing else.
    Drag(int compound, QWidget& window, QObject* owner);
    ~Drag() override;
    Drag(const Drag&) = delete;
    Drag& operator=(const Drag&) = delete;

    int compound() const { return compound_; }

    // Whether the card waits at home meanwhile, as it does with the pointer over the scroll bar.
    bool isParked() const { return parked_; }
    void setParked(bool parked) { parked_ = parked; }

    // Gives the input back at once; the object itself may go later.
    void end();

signals:
    void cancelled();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int compound_;
    QWidget& window_;
    bool parked_ = false;
    bool ended_ = false;
};

} // namespace view
