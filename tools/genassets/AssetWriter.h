#pragma once

// Saves the generated pictures as JPEG files below the output folder.

#include <QDir>
#include <QString>
#include <QStringList>

class QImage;

class AssetWriter {
public:
    explicit AssetWriter(const QString& outputFolder);

    // Creates the output folder and the given sub-folders; false (with error()) if it cannot.
    bool prepare(const QStringList& subFolders);
    // Writes image as <folder>/<name>.jpg; false (with error()) if the file cannot be written.
    // An image of N pixels per design pixel (its device pixel ratio) is written beside it as
    // <name>@Nx.jpg, the name Qt gives the sharper variants of a picture.
    bool save(const QString& folder, const QString& name, const QImage& image);
    // The same as a PNG file, which keeps the picture's transparency (icons).
    bool savePng(const QString& folder, const QString& name, const QImage& image);

    int written() const { return m_written; }
    QString error() const { return m_error; }

private:
    bool write(const QString& folder, const QString& name, const QImage& image, const char* format);

    QDir m_root;
    QString m_error;
    int m_written = 0;
};
