#include "ui/TablePause.h"

#include <QSettings>

namespace zelvaro::ui {
namespace {

constexpr const char* kKey = "tavolo/pausaDopoPresa";
constexpr const char* kDefault = "Normale";

const TablePauseChoice* choiceFor(const QString& caption) {
    for (const TablePauseChoice& choice : kTablePauseChoices) {
        if (caption == QLatin1String(choice.caption)) return &choice;
    }
    return nullptr;
}

}  // namespace

QString tablePause() {
    const QString stored = QSettings().value(kKey, kDefault).toString();
    return choiceFor(stored) != nullptr ? stored : QString(kDefault);
}

void setTablePause(const QString& caption) {
    if (choiceFor(caption) != nullptr) QSettings().setValue(kKey, caption);
}

double tablePauseFactor() {
    return choiceFor(tablePause())->factor;
}

}  // namespace zelvaro::ui
