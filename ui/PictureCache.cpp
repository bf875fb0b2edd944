#include "ui/PictureCache.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QPainterPath>

namespace zelvaro::ui {
namespace {

// The cards are drawn with corners of 9 px on a 144 px width.
constexpr qreal kCardCornerRatio = 9.0 / 144.0;
// Each picture at its design size and at two and three times it, smallest first; the flags,
// which the profile panel shows larger than their design, also at four times.
constexpr int kScales[] = {1, 2, 3, 4};
// The made pictures kept at most: some 48 MiB.
constexpr qsizetype kBudgetKiB = 48 * 1024;

QString normalised(const QString& relativePath) {
    QString path = relativePath;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (path.startsWith(QLatin1Char('/'))) path.remove(0, 1);
    return path;
}

// "carte/14 c.jpg" at scale 2 is "carte/14 c@2x.jpg".
QString variantPath(const QString& path, int scale) {
    if (scale == 1) return path;
    const qsizetype nameStart = path.lastIndexOf(QLatin1Char('/')) + 1;
    qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot <= nameStart) dot = path.size();
    return path.left(dot) + QStringLiteral("@%1x").arg(scale) + path.mid(dot);
}

bool covers(QSize source, QSize wanted) {
    return source.width() >= wanted.width() && source.height() >= wanted.height();
}

bool isCard(const QString& path) {
    return path.section(QLatin1Char('/'), 0, 0)
               .compare(QLatin1String("carte"), Qt::CaseInsensitive) == 0;
}

qsizetype costKiB(const QPixmap& pixmap) {
    const qint64 bytes = qint64(pixmap.width()) * pixmap.height() * qMax(pixmap.depth(), 8) / 8;
    return qMax<qsizetype>(1, bytes / 1024);
}

}  // namespace

PictureCache::PictureCache(QString folder) : folder_(std::move(folder)), scaled_(kBudgetKiB) {}

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

QSize PictureCache::pixelSize(const QString& file) {
    auto known = sizes_.find(file);
    if (known != sizes_.end()) return *known;
    return *sizes_.insert(file, QImageReader(file).size());
}

PictureCache::Source PictureCache::source(const QString& path, QSize size) {
    // The variants grow with their scale, so the last one found is the largest; the bigger
    // files are not even looked for while a smaller one will do.
    Source best;
    for (const int scale : kScales) {
        const QString file = locate(variantPath(path, scale));
        const QSize pixels = file.isEmpty() ? QSize() : pixelSize(file);
        if (pixels.isEmpty()) continue;
        best = {file, pixels};
        if (covers(pixels, size)) break;
    }
    return best;
}

QSize PictureCache::sourceSize(const QString& relativePath, QSize size) {
    const QString path = normalised(relativePath);
    return path.isEmpty() ? QSize() : source(path, size).size;
}

QPixmap PictureCache::prepare(const QPixmap& source, QSize size, bool card) {
    if (source.isNull() || size.isEmpty()) return source;
    const QPixmap scaled = source.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (!card) return scaled;
    QPixmap rounded(size);
    rounded.fill(Qt::transparent);
    QPainter painter(&rounded);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal radius = size.width() * kCardCornerRatio;
    QPainterPath outline;
    outline.addRoundedRect(QRectF(0, 0, size.width(), size.height()), radius, radius);
    // The card fills its outline; an antialiased clip would leave a faint seam down the
    // middle of a card of odd width.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QBrush(scaled));
    painter.drawPath(outline);
    return rounded;
}

QPixmap PictureCache::picture(const QString& relativePath, QSize size) {
    const QString path = normalised(relativePath);
    if (path.isEmpty()) return QPixmap();
    const QString key = path + QLatin1Char('@') + QString::number(size.width()) + QLatin1Char('x') +
                        QString::number(size.height());
    if (const QPixmap* cached = scaled_.object(key)) return *cached;

    const Source from = source(path, size);
    QPixmap loaded;
    if (!from.file.isEmpty()) loaded.load(from.file);
    const QPixmap ready = prepare(loaded, size, isCard(path));
    scaled_.insert(key, new QPixmap(ready), costKiB(ready));
    return ready;
}

}  // namespace zelvaro::ui
