#include "NationList.h"

#include <QFile>
#include <QTextStream>

bool NationList::load(const QString& fileName) {
    m_nations.clear();
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        m_error =
            QStringLiteral("cannot read the nations file %1: %2").arg(fileName, file.errorString());
        return false;
    }
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
        const QString nation = line.section(QLatin1Char('|'), 0, 0).trimmed();
        if (!nation.isEmpty() && !m_nations.contains(nation, Qt::CaseInsensitive))
            m_nations.append(nation);
    }
    if (m_nations.isEmpty()) {
        m_error = QStringLiteral("the nations file %1 names no nation").arg(fileName);
        return false;
    }
    return true;
}
