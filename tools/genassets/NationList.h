#pragma once

// Reads the nation names (first field of every record) from the name-list file.

#include <QString>
#include <QStringList>

class NationList {
public:
    // Distinct nation names in file order; false (with error()) if the file cannot be read.
    bool load(const QString& fileName);

    QStringList nations() const { return m_nations; }
    QString error() const { return m_error; }

private:
    QStringList m_nations;
    QString m_error;
};
