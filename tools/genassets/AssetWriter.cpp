#include "AssetWriter.h"

#include <QFileInfo>
#include <QImage>
#include <QImageWriter>

namespace {
constexpr int JpegQuality = 92;
}

AssetWriter::AssetWriter(const QString &outputFolder)
    : m_root(outputFolder)
{
}

bool AssetWriter::prepare(const QStringList &subFolders)
{
    if (!m_root.mkpath(QStringLiteral("."))) {
        m_error = QStringLiteral("cannot create the output folder %1").arg(m_root.absolutePath());
        return false;
    }
    for (const QString &sub : subFolders) {
        if (!m_root.mkpath(sub)) {
            m_error = QStringLiteral("cannot create the folder %1").arg(m_root.absoluteFilePath(sub));
            return false;
        }
    }
    return true;
}

bool AssetWriter::save(const QString &folder, const QString &name, const QImage &image)
{
    const QString path = m_root.absoluteFilePath(folder.isEmpty() ? name + QStringLiteral(".jpg")
                                                                  : folder + QLatin1Char('/') + name
                                                                        + QStringLiteral(".jpg"));
    QImageWriter writer(path, "jpeg");
    writer.setQuality(JpegQuality);
    writer.setOptimizedWrite(true);
    if (!writer.write(image)) {
        m_error = QStringLiteral("cannot write %1: %2").arg(path, writer.errorString());
        return false;
    }
    ++m_written;
    return true;
}
