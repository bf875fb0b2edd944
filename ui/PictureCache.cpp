#include "ui/PictureCache.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPainterPath>

namespace zelvaro::ui {
namespace {

// The cards are drawn with corners of 9 px on a 144 px width.
constexpr qreal kCardCornerRatio = 9.0 / 144.0;

QString normalised(const QString& relativePath) {
    QString path = relativePath;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (path.startsWith(QLatin1Char('/'))) path.remove(0, 1);
    return path;
}

}  // namespace

const QHash<QString, QString>& PictureCache::listing(const QString& folder) {
    auto found = listings_.find(folder);
    if (found != listings_.end()) return *found;
    QHash<QString, QString> entries;
    const QDir dir(folder);
    for (const QString& entry : dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
        entries.insert(entry.toLower(), entry);
    }
    return *listings_.insert(folder, entries);
}

QString PictureCache::locate(const QString& relativePath) {
    auto known = located_.find(relativePath);
    if (known != located_.end()) return *known;

    QString file;
    const QString exact = folder_ + QLatin1Char('/') + relativePath;
    if (QFileInfo(exact).isFile()) {
        file = exact;
    } else {
        // Walk the path one name at a time, matching each without regard to case.
        QString current = folder_;
        const QStringList parts = relativePath.split(QLatin1Char('/'), Qt::SkipEmptyParts);
        for (const QString& part : parts) {
            const auto& entries = listing(current);
            const auto match = entries.find(part.toLower());
            if (match == entries.end()) {
                current.clear();
                break;
            }
            current += QLatin1Char('/') + *match;
        }
        if (!current.isEmpty() && !parts.isEmpty() && QFileInfo(current).isFile()) file = current;
    }
    located_.insert(relativePath, file);
    return file;
}

QPixmap PictureCache::prepare(const QPixmap& source, QSize size, bool card) {
    if (source.isNull() || size.isEmpty()) return source;
    const QPixmap scaled = source.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (!card) return scaled;
    QPixmap rounded(size);
    rounded.fill(Qt::transparent);
    QPainter painter(&rounded);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const qreal radius = size.width() * kCardCornerRatio;
    QPainterPath outline;
    outline.addRoundedRect(QRectF(0, 0, size.width(), size.height()), radius, radius);
    painter.setClipPath(outline);
    painter.drawPixmap(0, 0, scaled);
    return rounded;
}

QPixmap PictureCache::picture(const QString& relativePath, QSize size) {
    const QString path = normalised(relativePath);
    if (path.isEmpty()) return QPixmap();
    const QString key = path + QLatin1Char('@') + QString::number(size.width()) + QLatin1Char('x') +
                        QString::number(size.height());
    auto cached = scaled_.find(key);
    if (cached != scaled_.end()) return *cached;

    const QString file = locate(path);
    QPixmap loaded;
    if (!file.isEmpty()) loaded.load(file);
    const bool card =
        path.section(QLatin1Char('/'), 0, 0).compare(QLatin1String("carte"), Qt::CaseInsensitive) ==
        0;
    const QPixmap ready = prepare(loaded, size, card);
    scaled_.insert(key, ready);
    return ready;
}

}  // namespace zelvaro::ui
