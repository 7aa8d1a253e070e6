#include "ui/FondPrincipal.h"

#include "report/Illustration.h"
#include "ui/modAffichages.h"

#include <QPainter>
#include <algorithm>

FondPrincipal::FondPrincipal(QWidget* parent) : QMdiArea(parent) {}

void FondPrincipal::paintEvent(QPaintEvent*) {
    QPainter p(viewport());
    const QRectF zone = viewport()->rect();
    DessinerCiel(p, zone);
    // The picture sits in the lower right corner, where child windows cover it
    // least, at a size that follows the frame's.
    const double hauteur = std::clamp(zone.height() * 0.45, 120.0, 360.0);
    const QRectF cadre(zone.right() - hauteur * 4 / 3 - 24, zone.bottom() - hauteur - 12,
                       hauteur * 4 / 3, hauteur);
    DessinerIllustration(p, cadre);
    p.setFont(Police(28, true));
    p.setPen(QColor(255, 255, 255, 150));
    p.drawText(cadre.adjusted(0, -60, 0, 0).toRect(), Qt::AlignHCenter | Qt::AlignTop,
               QStringLiteral("VARQUIN"));
}
