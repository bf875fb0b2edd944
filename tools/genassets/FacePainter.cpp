#include "FacePainter.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "FaceBeard.h"
#include "FaceClothes.h"
#include "FaceEyes.h"
#include "FaceFeatures.h"
#include "FaceHair.h"
#include "FaceHead.h"
#include "FaceLook.h"
#include "PaintKit.h"

namespace {

void paintBackground(QPainter& p, const face::Look& look) {
    QRadialGradient g(QPointF(60, 45), 85);
    g.setColorAt(0, look.background.lighter(108));
    g.setColorAt(1, look.background.darker(108));
    p.fillRect(QRectF(0, 0, FacePainter::Size, FacePainter::Size), g);
    // A soft halo behind the head.
    p.setPen(Qt::NoPen);
    QColor halo = Qt::white;
    halo.setAlpha(45);
    p.setBrush(halo);
    p.drawEllipse(QPointF(60, 54), 46, 46);
}

}  // namespace

QImage FacePainter::portrait(int index) const {
    const face::Look look = face::makeLook(index);
    face::Frame f;
    f.hw = look.halfWidth;
    f.hh = look.halfHeight;

    QImage image = PaintKit::canvas(Size, Size, look.background, m_scale);
    QPainter p(&image);
    PaintKit::prepare(p);

    paintBackground(p, look);
    face::paintShirt(p, look, f);
    face::paintBackHair(p, look, f);
    face::paintNeck(p, look, f);
    face::paintCollar(p, look, f);
    face::paintEars(p, look, f);
    const QPainterPath head = face::headPath(f, look.jaw);
    face::paintHead(p, look, head);
    face::paintFacialHair(p, look, f, head);
    face::paintCheeks(p, look, f);
    face::paintBrows(p, look, f);
    face::paintEyes(p, look, f);
    face::paintNose(p, look, f);
    face::paintMouth(p, look, f);
    face::paintAgeLines(p, look, f);
    face::paintFrontHair(p, look, f);
    face::paintGlasses(p, look, f);
    face::paintEarrings(p, look, f);
    return image;
}
