#include "FlagPainter.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <functional>

#include "FlagArms.h"
#include "FlagCrosses.h"
#include "FlagEmblems.h"
#include "FlagStars.h"
#include "FlagStripes.h"
#include "PaintKit.h"

namespace {

using Drawer = std::function<void(QPainter&)>;

const QHash<QString, Drawer>& designs() {
    static const QHash<QString, Drawer> table = {
        {QStringLiteral("italia"), flag::italy},
        {QStringLiteral("francia"), flag::france},
        {QStringLiteral("germania"), flag::germany},
        {QStringLiteral("spagna"), flag::spain},
        {QStringLiteral("portogallo"), flag::portugal},
        {QStringLiteral("irlanda"), flag::ireland},
        {QStringLiteral("regno unito"), flag::unitedKingdom},
        {QStringLiteral("paesi bassi"), flag::netherlands},
        {QStringLiteral("olanda"), flag::netherlands},
        {QStringLiteral("belgio"), flag::belgium},
        {QStringLiteral("svizzera"), flag::switzerland},
        {QStringLiteral("austria"), flag::austria},
        {QStringLiteral("svezia"), flag::sweden},
        {QStringLiteral("norvegia"), flag::norway},
        {QStringLiteral("danimarca"), flag::denmark},
        {QStringLiteral("finlandia"), flag::finland},
        {QStringLiteral("polonia"), flag::poland},
        {QStringLiteral("grecia"), flag::greece},
        {QStringLiteral("russia"), flag::russia},
        {QStringLiteral("stati uniti"), flag::unitedStates},
        {QStringLiteral("usa"), flag::unitedStates},
        {QStringLiteral("brasile"), flag::brazil},
        {QStringLiteral("argentina"), flag::argentina},
        {QStringLiteral("messico"), flag::mexico},
        {QStringLiteral("giappone"), flag::japan},
        {QStringLiteral("cina"), flag::china},
        {QStringLiteral("turchia"), flag::turkey},
        {QStringLiteral("canada"), flag::canada},
    };
    return table;
}

// A frame one design pixel wide just inside outer, filled rather than stroked so that it
// covers whole image pixels, and the outermost ones, at every scale.
void paintRing(QPainter& painter, const QRectF& outer, const QColor& colour) {
    QPainterPath ring;
    ring.addRect(outer);
    ring.addRect(outer.adjusted(1, 1, -1, -1));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(ring);
    painter.restore();
}

}  // namespace

bool FlagPainter::knows(const QString& nation) {
    return designs().contains(nation.trimmed().toLower());
}

QImage FlagPainter::flag(const QString& nation) const {
    QImage image = PaintKit::canvas(Width, Height, Qt::white, m_scale);
    QPainter painter(&image);
    PaintKit::prepare(painter);
    const auto found = designs().constFind(nation.trimmed().toLower());
    painter.save();
    if (found != designs().constEnd())
        (*found)(painter);
    else
        flag::unknownNation(painter);
    painter.restore();

    // Thin dark border; the faint inner line lifts white flags off a white page.
    const QRectF whole(0, 0, Width, Height);
    paintRing(painter, whole, QColor(0x30, 0x30, 0x30));
    paintRing(painter, whole.adjusted(1, 1, -1, -1), QColor(0, 0, 0, 40));
    return image;
}
