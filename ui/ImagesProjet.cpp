#include "ui/ImagesProjet.h"

#include "ui/modAffichages.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {
const QColor Contour(0x70, 0x70, 0x70);
const QColor Clair(0xF4, 0xF4, 0xF4);
const QColor Fonce(0xB8, 0xB8, 0xB8);

// Choice colours: distinct in hue and in lightness, so that they read apart in grey
// too.
const QColor CouleursCalcul[3] = {QColor(0x2E, 0x8B, 0x3E), QColor(0x2A, 0x5F, 0xB0),
                                  QColor(0xD0, 0x5A, 0x1E)};
const char* const Lettres[3] = {"S", "D", "F"};
const char* const Libelles[3] = {"Calc. simple", "Calc. détaillé", "Val. forcée"};

int CodeValide(int code) {
    return code >= 0 && code <= 2 ? code : 0;
}

QPixmap Vierge(const QSize& taille) {
    QPixmap image(taille);
    image.fill(Qt::transparent);
    return image;
}

// A raised (or sunken) rounded face filling the image, the base of every button.
void DessinerFace(QPainter& p, const QRectF& r, bool enfonce) {
    QLinearGradient degrade(r.topLeft(), r.bottomLeft());
    degrade.setColorAt(0, enfonce ? Fonce : Clair);
    degrade.setColorAt(1, enfonce ? Clair : Fonce);
    p.setPen(QPen(Contour, 1));
    p.setBrush(degrade);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
}

void DessinerTriangle(QPainter& p, const QPointF& centre, double demi, bool versLeBas) {
    const double s = versLeBas ? 1 : -1;
    QPainterPath triangle;
    triangle.moveTo(centre + QPointF(-demi, -s * demi / 2));
    triangle.lineTo(centre + QPointF(demi, -s * demi / 2));
    triangle.lineTo(centre + QPointF(0, s * demi / 2));
    triangle.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x20, 0x20, 0x20));
    p.drawPath(triangle);
}
} // namespace

QSize TailleBoutonChoix(bool large) {
    const int h = PixelsY(300);
    return large ? QSize(PixelsX(450), h) : QSize(PixelsX(270), h);
}

QSize TailleBascule() {
    return QSize(PixelsX(300), PixelsY(270));
}

int TailleImageCalcul() {
    return PixelsY(255);
}

QPixmap ImageBoutonChoix(bool large, bool enfonce) {
    const QSize taille = TailleBoutonChoix(large);
    QPixmap image = Vierge(taille);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(QPointF(0, 0), taille);
    DessinerFace(p, r, enfonce);
    const QPointF decalage = enfonce ? QPointF(1, 1) : QPointF(0, 0);
    if (large) {
        // Three dots: the large buttons step through their values.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x20, 0x20, 0x20));
        for (int i = -1; i <= 1; ++i)
            p.drawEllipse(r.center() + decalage + QPointF(i * 5.0, 0), 1.6, 1.6);
    } else {
        DessinerTriangle(p, r.center() + decalage + QPointF(0, 1), 4, true);
    }
    return image;
}

QPixmap ImageBascule(bool replie, bool enfonce) {
    const QSize taille = TailleBascule();
    QPixmap image = Vierge(taille);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(QPointF(0, 0), taille);
    DessinerFace(p, r, enfonce);
    const QPointF centre = r.center() + (enfonce ? QPointF(1, 1) : QPointF(0, 0));
    DessinerTriangle(p, centre, 4.5, replie);
    return image;
}

QPixmap ImageTypeDeCalcul(int code) {
    code = CodeValide(code);
    const int cote = TailleImageCalcul();
    QPixmap image = Vierge(QSize(cote, cote));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF r(0.5, 0.5, cote - 1.0, cote - 1.0);
    p.setPen(QPen(CouleursCalcul[code].darker(130), 1));
    p.setBrush(CouleursCalcul[code]);
    // A circle for the simple rule, a square for the detailed one, a diamond for a
    // forced value: the shapes tell them apart without colour.
    if (code == 0) {
        p.drawEllipse(r);
    } else if (code == 1) {
        p.drawRoundedRect(r, 2, 2);
    } else {
        QPolygonF losange;
        losange << QPointF(r.center().x(), r.top()) << QPointF(r.right(), r.center().y())
                << QPointF(r.center().x(), r.bottom()) << QPointF(r.left(), r.center().y());
        p.drawPolygon(losange);
    }
    QFont police = Police(7, true);
    police.setPixelSize(std::max(7, cote * 9 / 16));
    p.setFont(police);
    p.setPen(Qt::white);
    p.drawText(r, Qt::AlignCenter, QString::fromLatin1(Lettres[code]));
    return image;
}

QString LibelleImageCalcul(int code) {
    return QString::fromUtf8(Libelles[CodeValide(code)]);
}
