// Loads the game's pictures from the program folder, each path once per size. Every picture
// may lie beside a sharper variant for dense screens ("14 c@2x.jpg", "14 c@3x.jpg"); a picture
// is made from the smallest one that needs no enlarging. A name whose letter case differs from
// the file on disk still finds it; a missing file gives an empty picture.
#pragma once

#include <QCache>
#include <QHash>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace zelvaro::ui {

class PictureCache {
public:
    explicit PictureCache(QString folder);

    // `relativePath` uses '/' or '\' between folders ("carte/14 c.jpg"); `size` is in device
    // pixels. Card pictures get round corners, so the felt shows through where a card's corner
    // is cut.
    QPixmap picture(const QString& relativePath, QSize size);
    // The pixel size of the file picture() draws on for `size`; empty when there is none.
    QSize sourceSize(const QString& relativePath, QSize size);
    const QString& folder() const { return folder_; }

private:
    struct Source {
        QString file;
        QSize size;
    };
    // The smallest variant that covers `size`, the largest when none does.
    Source source(const QString& path, QSize size);
    // A file's pixel size from its header, read once; empty when it cannot be read.
    QSize pixelSize(const QString& file);
    // The file on disk for a relative path, letter case ignored where the exact name is
    // missing; empty when there is none.
    QString locate(const QString& relativePath);
    // Entries of a folder by lower-case name, read once per folder.
    const QHash<QString, QString>& listing(const QString& folder);
    static QPixmap prepare(const QPixmap& source, QSize size, bool card);

    QString folder_;
    // The pictures made, bounded by their memory (cost in KiB): a window resized by hand asks
    // for a new size at every step.
    QCache<QString, QPixmap> scaled_;
    QHash<QString, QSize> sizes_;
    QHash<QString, QString> located_;
    QHash<QString, QHash<QString, QString>> listings_;
};

}  // namespace zelvaro::ui
