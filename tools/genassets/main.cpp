// zelvaro-assets: draws every picture the game shows (cards, flags, faces and option
// badges) into a folder, so that no binary picture has to live in the sources.
//
//   zelvaro-assets --out <folder> --nations <nazioni.txt>

#include <QGuiApplication>
#include <QStringList>
#include <cstdio>

#include "AssetWriter.h"
#include "CardPainter.h"
#include "FacePainter.h"
#include "FlagPainter.h"
#include "IconPainter.h"
#include "NationList.h"
#include "OptionPainter.h"

namespace {

void complain(const QString& message) {
    std::fprintf(stderr, "zelvaro-assets: %s\n", qPrintable(message));
}

QtMessageHandler defaultHandler = nullptr;

// Headless build machines have no XDG_RUNTIME_DIR; Qt's note about it is noise in a build log.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths:"))) return;
    defaultHandler(type, context, message);
}

void usage() {
    std::fprintf(stderr, "usage: zelvaro-assets --out <folder> --nations <nations file>\n");
}

struct Arguments {
    QString out;
    QString nations;
};

// Accepts "--name value" and "--name=value"; false on anything else.
bool parseArguments(const QStringList& args, Arguments& parsed, QString& problem) {
    for (int i = 1; i < args.size(); ++i) {
        QString name = args.at(i);
        QString value;
        const int eq = name.indexOf(QLatin1Char('='));
        if (name.startsWith(QLatin1String("--")) && eq > 0) {
            value = name.mid(eq + 1);
            name = name.left(eq);
        } else if (name == QLatin1String("--out") || name == QLatin1String("--nations")) {
            if (i + 1 >= args.size()) {
                problem = QStringLiteral("%1 needs a value").arg(name);
                return false;
            }
            value = args.at(++i);
        }
        if (name == QLatin1String("--out"))
            parsed.out = value;
        else if (name == QLatin1String("--nations"))
            parsed.nations = value;
        else {
            problem = QStringLiteral("unknown argument '%1'").arg(args.at(i));
            return false;
        }
    }
    if (parsed.out.isEmpty() || parsed.nations.isEmpty()) {
        problem = QStringLiteral("both --out and --nations are required");
        return false;
    }
    return true;
}

// Every picture is drawn at the window's design size and, for denser screens, at two and
// three times it ("14 c@2x.jpg", "14 c@3x.jpg"). The profile panel shows a flag at four
// fifths of its drawn size, so the flags are drawn at four times as well, for a window
// filling a 5K screen.
constexpr int Scales[] = {1, 2, 3};
constexpr int LargestFlagScale = 4;

bool writeCards(AssetWriter& writer, int scale) {
    const CardPainter cards(scale);
    const QString folder = QStringLiteral("carte");
    for (Suit suit : {Suit::Hearts, Suit::Diamonds, Suit::Clubs, Suit::Spades}) {
        for (int value = 2; value <= 14; ++value) {
            const QString name =
                QString::number(value) + QLatin1Char(' ') + PaintKit::suitLetter(suit);
            if (!writer.save(folder, name, cards.face(value, suit))) return false;
        }
    }
    return writer.save(folder, QStringLiteral("0 o"), cards.emptyPlace()) &&
           writer.save(folder, QStringLiteral("retro"), cards.back());
}

// The nations whose names can be flag files, saying once what is wrong with the others.
QStringList flagNations(const QStringList& nations) {
    QStringList usable;
    for (const QString& nation : nations) {
        if (nation.contains(QLatin1Char('/')) || nation.contains(QLatin1Char('\\'))) {
            complain(
                QStringLiteral("skipping the flag of '%1': not usable as a file name").arg(nation));
            continue;
        }
        if (!FlagPainter::knows(nation))
            complain(
                QStringLiteral("no flag design for '%1', drawing the generic one").arg(nation));
        usable << nation;
    }
    return usable;
}

bool writeFlags(AssetWriter& writer, const QStringList& nations, int scale) {
    const FlagPainter flags(scale);
    for (const QString& nation : nations)
        if (!writer.save(QStringLiteral("bandiere"), nation, flags.flag(nation))) return false;
    return true;
}

bool writeFaces(AssetWriter& writer, int scale) {
    const FacePainter faces(scale);
    for (int index = 1; index <= FacePainter::Count; ++index)
        if (!writer.save(QStringLiteral("immagini/facce"), QString::number(index),
                         faces.portrait(index)))
            return false;
    return true;
}

bool writeOptions(AssetWriter& writer, int scale) {
    const OptionPainter options(scale);
    for (const QString& name : OptionPainter::optionNames())
        if (!writer.save(QStringLiteral("immagini"), name, options.badge(name))) return false;
    return true;
}

// The program's icon for the desktop's menus, in the hicolor theme's sizes.
constexpr int IconSizes[] = {48, 128, 256};

QString iconFolder(int size) {
    return QStringLiteral("icons/hicolor/%1x%1/apps").arg(size);
}

bool writeIcons(AssetWriter& writer) {
    const IconPainter icons;
    for (int size : IconSizes)
        if (!writer.savePng(iconFolder(size), QStringLiteral("zelvaro"), icons.icon(size)))
            return false;
    return true;
}

bool writePictures(AssetWriter& writer, const QStringList& nations) {
    const QStringList flagged = flagNations(nations);
    for (int scale : Scales)
        if (!writeCards(writer, scale) || !writeFlags(writer, flagged, scale) ||
            !writeFaces(writer, scale) || !writeOptions(writer, scale))
            return false;
    return writeFlags(writer, flagged, LargestFlagScale) && writeIcons(writer);
}

}  // namespace

int main(int argc, char* argv[]) {
    // Pictures only: no display is needed, or wanted, at build time.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    defaultHandler = qInstallMessageHandler(quietHandler);
    QGuiApplication app(argc, argv);

    Arguments args;
    QString problem;
    if (!parseArguments(QCoreApplication::arguments(), args, problem)) {
        complain(problem);
        usage();
        return 2;
    }

    NationList nations;
    if (!nations.load(args.nations)) {
        complain(nations.error());
        return 1;
    }

    AssetWriter writer(args.out);
    QStringList folders{QStringLiteral("carte"), QStringLiteral("bandiere"),
                        QStringLiteral("immagini"), QStringLiteral("immagini/facce")};
    for (int size : IconSizes) folders << iconFolder(size);
    if (!writer.prepare(folders)) {
        complain(writer.error());
        return 1;
    }
    if (!writePictures(writer, nations.nations())) {
        complain(writer.error());
        return 1;
    }
    std::printf("zelvaro-assets: %d pictures written to %s\n", writer.written(),
                qPrintable(args.out));
    return 0;
}
