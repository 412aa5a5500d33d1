#pragma once

#include <QByteArray>
#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>
#include <QTimer>

#include <optional>
#include <vector>

namespace content {

// Pictures of the drawings rendered as the program runs, at sizes and pixel ratios the build made
// none for (a zoom, a screen scaled to 125 % or 150 %), kept in a folder of the user's cache so
// that the next start copies them out rather than paints them again. Every file is read as
// untrusted: one damaged, cut short, of another edition or not a picture at all is never taken
// for a picture; it is set aside and painting takes over. A folder that cannot be written keeps
// nothing and costs nothing.
class PictureCache : public QObject {
public:
    // Pictures of `edition` (the program's version and the fingerprint of its drawings) in
    // `folder`; files of other editions are no one's and are cleared when the cache first writes.
    PictureCache(QString folder, QByteArray edition, QObject* parent = nullptr);
    ~PictureCache() override;

    // The user's own: the application's cache location, for this program's pictures.
    static QString userFolder();
    // This program's edition; empty where it carries no pictures of its own to fingerprint, and
    // a cache of no edition keeps nothing.
    static QByteArray programEdition();

    // The picture of drawing `name`, `pixels` device pixels at `ratio`, if the folder holds a
    // sound one; its device pixel ratio is `ratio`.
    std::optional<QImage> find(const QString& name, QSize pixels, qreal ratio) const;

    // Keeps `image` (its size in device pixels and its device pixel ratio name it) as drawing
    // `name`'s picture. It is written a moment later, off the path of the paint that made it,
    // with the others made meanwhile; a folder that cannot be written is given up quietly.
    void keep(const QString& name, const QImage& image);
    // Drops the pictures not written yet: the sizes they were made for are gone (the zoom moved
    // on while the window was being resized).
    void forgetPending();
    // Writes what is pending now.
    void flush();

private:
    struct Pending {
        QString name;
        QImage image;
    };

    bool prepareFolder();
    void removeOtherEditions() const;
    void keepWithinBounds() const;
    bool write(const Pending& picture) const;
    void giveUp();

    QString folder_;
    QByteArray edition_;
    // The edition's folder, its name in the cache folder, and its path as open(2) takes it,
    // ending in a slash; empty when the cache can hold nothing.
    QString editionName_;
    QString editionPath_;
    QByteArray editionPathBytes_;
    bool writable_ = false;
    bool prepared_ = false;
    std::vector<Pending> pending_;
    QTimer writeTimer_;
    // Reused by every find, so that a start reads its pictures into memory touched once.
    mutable QByteArray buffer_;
};

} // namespace content
