#include "report/Illustration.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

namespace {
// The picture is designed on a 400 x 300 grid.
constexpr double LargeurModele = 400;
constexpr double HauteurModele = 300;

void DessinerSoleil(QPainter& p) {
    const QPointF centre(300, 70);
    QRadialGradient halo(centre, 70);
    halo.setColorAt(0, QColor(255, 230, 120, 200));
    halo.setColorAt(1, QColor(255, 230, 120, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(centre, 70, 70);
    p.setPen(QPen(QColor(245, 180, 40), 4, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 12; ++i) {
        const double a = i * M_PI / 6;
        p.drawLine(centre + QPointF(std::cos(a), std::sin(a)) * 36,
                   centre + QPointF(std::cos(a), std::sin(a)) * 50);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 195, 50));
    p.drawEllipse(centre, 28, 28);
}

void DessinerMaison(QPainter& p) {
    // Walls, then the roof, then two collectors laid on the roof's slope.
    p.setPen(QPen(QColor(110, 90, 70), 2));
    p.setBrush(QColor(236, 222, 196));
    p.drawRect(QRectF(70, 190, 200, 95));
    p.setBrush(QColor(150, 120, 95));
    p.drawRect(QRectF(150, 235, 36, 50));
    QPainterPath toit;
    toit.moveTo(50, 195);
    toit.lineTo(170, 110);
    toit.lineTo(290, 195);
    toit.closeSubpath();
    p.setBrush(QColor(178, 70, 50));
    p.drawPath(toit);
    for (int i = 0; i < 2; ++i) {
        QPolygonF panneau;
        const double d = i * 52;
        panneau << QPointF(82 + d, 178 - d * 0.71) << QPointF(126 + d, 147 - d * 0.71)
                << QPointF(138 + d, 160 - d * 0.71) << QPointF(94 + d, 191 - d * 0.71);
        p.setPen(QPen(QColor(200, 205, 215), 1.5));
        p.setBrush(QColor(30, 60, 120));
        p.drawPolygon(panneau);
        p.setPen(QPen(QColor(90, 130, 190), 1));
        for (int k = 1; k < 4; ++k) {
            const double t = k / 4.0;
            p.drawLine(panneau[0] + (panneau[1] - panneau[0]) * t,
                       panneau[3] + (panneau[2] - panneau[3]) * t);
        }
    }
    // The tank beside the house.
    p.setPen(QPen(QColor(90, 90, 100), 2));
    p.setBrush(QColor(200, 200, 210));
    p.drawRoundedRect(QRectF(295, 205, 38, 80), 12, 12);
    p.setPen(QPen(QColor(200, 60, 40), 3));
    p.drawLine(QPointF(270, 215), QPointF(295, 215));
    p.setPen(QPen(QColor(40, 90, 200), 3));
    p.drawLine(QPointF(270, 270), QPointF(295, 270));
}
} // namespace

void DessinerIcone(QPainter& p, const QRectF& cadre) {
    // The sun with its rays spans 100 units of the design around (300, 70).
    const double echelle = std::min(cadre.width(), cadre.height()) / 104;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(cadre.center());
    p.scale(echelle, echelle);
    p.translate(-300, -70);
    DessinerSoleil(p);
    p.restore();
}

void DessinerCiel(QPainter& p, const QRectF& cadre) {
    QLinearGradient ciel(cadre.topLeft(), cadre.bottomLeft());
    ciel.setColorAt(0, QColor(120, 170, 220));
    ciel.setColorAt(0.7, QColor(205, 225, 240));
    ciel.setColorAt(1, QColor(235, 240, 230));
    p.fillRect(cadre, ciel);
}

void DessinerIllustration(QPainter& p, const QRectF& cadre) {
    const double echelle = std::min(cadre.width() / LargeurModele, cadre.height() / HauteurModele);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(cadre.center() - QPointF(LargeurModele, HauteurModele) * echelle / 2);
    p.scale(echelle, echelle);
    p.fillRect(QRectF(0, 285, LargeurModele, 15), QColor(120, 165, 90));
    DessinerSoleil(p);
    DessinerMaison(p);
    p.restore();
}
