#pragma once

#include "model/worksheet.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>
#include <optional>

namespace view {
class Board;
}

namespace app {

// Keeps the work in progress in a file of the user's own data folder, so that a run that ends
// any way but the ordinary one (a crash, a killed process, a power cut) leaves it for the next
// start to take up. The file is written whole or not at all, a moment after the changes stop,
// never during a drag and away from the window's thread, and removed when the program ends
// ordinarily, so that whoever starts it
// next at a shared account finds a fresh worksheet. A restart leaves a fresh worksheet, which
// needs no keeping: its file goes too. One program at a time keeps its work in a folder: a second
// one at the same account keeps none. A folder that cannot be made or written keeps nothing and
// the worksheet works as ever.
class WorkKeeper : public QObject {
public:
    // What the start found in the folder.
    enum class Found { Nothing, Work, Unreadable };

    // Keeps `worksheet`'s work in `folder`; `board` tells when a drag is under way.
    WorkKeeper(model::Worksheet& worksheet, const view::Board& board, const QString& folder,
               QObject* parent = nullptr);
    ~WorkKeeper() override;

    // The user's own: the application's data location.
    static QString userFolder();

    // Takes up the work a run that did not end ordinarily left behind. A file that is not such
    // work, or work no worksheet could hold, is set aside beside it under another name, for a
    // teacher to look at, and the worksheet stays fresh. Then keeps the work from here on.
    Found takeUp();
    // Where an unreadable file was set aside; its own path where it could not be moved.
    const QString& setAside() const { return setAside_; }

private:
    class Writer;

    void write();
    // The ordinary end: the work is not kept beyond it.
    void finish();
    bool lock();
    QString pathOf(const QString& name) const;

    model::Worksheet& worksheet_;
    const view::Board& board_;
    QString folder_;
    // The open lock file, locked; -1 while the work is not kept.
    int lock_ = -1;
    bool keeping_ = false;
    // True while the worksheet is as a restart leaves it, which needs no file.
    bool fresh_ = true;
    // What the file holds, or will once the writer has written it; nothing where it is removed.
    std::optional<model::Worksheet::State> written_;
    QTimer writeTimer_;
    std::unique_ptr<Writer> writer_;
    QString setAside_;
};

} // namespace app
