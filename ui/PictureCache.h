// Loads the game's pictures from the program folder, each path once per size. A name whose
// letter case differs from the file on disk still finds it; a missing file gives an empty
// picture.
#pragma once

#include <QHash>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace zelvaro::ui {

class PictureCache {
public:
    explicit PictureCache(QString folder) : folder_(std::move(folder)) {}

    // `relativePath` uses '/' or '\' between folders ("carte/14 c.jpg"). Card pictures get
    // round corners, so the felt shows through where a card's corner is cut.
    QPixmap picture(const QString& relativePath, QSize size);
    const QString& folder() const { return folder_; }

private:
    // The file on disk for a relative path, letter case ignored where the exact name is
    // missing; empty when there is none.
    QString locate(const QString& relativePath);
    // Entries of a folder by lower-case name, read once per folder.
    const QHash<QString, QString>& listing(const QString& folder);
    static QPixmap prepare(const QPixmap& source, QSize size, bool card);

    QString folder_;
    QHash<QString, QPixmap> scaled_;
    QHash<QString, QString> located_;
    QHash<QString, QHash<QString, QString>> listings_;
};

}  // namespace zelvaro::ui
