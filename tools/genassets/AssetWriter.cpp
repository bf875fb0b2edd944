#include "AssetWriter.h"

#include <QFileInfo>
#include <QImage>
#include <QImageWriter>

namespace {
constexpr int JpegQuality = 92;
}

AssetWriter::AssetWriter(const QString& outputFolder) : m_root(outputFolder) {}

bool AssetWriter::prepare(const QStringList& subFolders) {
    if (!m_root.mkpath(QStringLiteral("."))) {
        m_error = QStringLiteral("cannot create the output folder %1").arg(m_root.absolutePath());
        return false;
    }
    for (const QString& sub : subFolders) {
        if (!m_root.mkpath(sub)) {
            m_error =
                QStringLiteral("cannot create the folder %1").arg(m_root.absoluteFilePath(sub));
            return false;
        }
    }
    return true;
}

bool AssetWriter::save(const QString& folder, const QString& name, const QImage& image) {
    return write(folder, name, image, "jpeg");
}

bool AssetWriter::savePng(const QString& folder, const QString& name, const QImage& image) {
    return write(folder, name, image, "png");
}

bool AssetWriter::write(const QString& folder, const QString& name, const QImage& image,
                        const char* format) {
    const int scale = qRound(image.devicePixelRatio());
    const QString variant = scale > 1 ? QStringLiteral("@%1x").arg(scale) : QString();
    const QString file =
        name + variant +
        (qstrcmp(format, "png") == 0 ? QStringLiteral(".png") : QStringLiteral(".jpg"));
    const QString path =
        m_root.absoluteFilePath(folder.isEmpty() ? file : folder + QLatin1Char('/') + file);
    QImageWriter writer(path, format);
    if (qstrcmp(format, "jpeg") == 0) {
        writer.setQuality(JpegQuality);
        writer.setOptimizedWrite(true);
    }
    if (!writer.write(image)) {
        m_error = QStringLiteral("cannot write %1: %2").arg(path, writer.errorString());
        return false;
    }
    ++m_written;
    return true;
}
