#include "ui/GraphiqueBilan.h"

#include "ui/modAffichages.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

const QColor GraphiqueBilan::CouleurBesoins(0x5B, 0x7D, 0xB1);
const QColor GraphiqueBilan::CouleurProduction(0xF0, 0xA0, 0x30);
const QColor GraphiqueBilan::CouleurCouverture(0xC0, 0x00, 0x00);

namespace {
const char* const Initiales[13] = {"", "J", "F", "M", "A", "M", "J", "J", "A", "S", "O", "N", "D"};

double Fini(float v) {
    return std::isfinite(v) ? std::max(0.0, static_cast<double>(v)) : 0.0;
}

QString Nombre(double v) {
    return TexteFormate(v, FormatAffichage::Entier);
}
} // namespace

double PasGraduation(double maximum, int nbMax) {
    if (!(maximum > 0) || !std::isfinite(maximum))
        return 1;
    const double brut = maximum / nbMax;
    const double puissance = std::pow(10.0, std::floor(std::log10(brut)));
    for (double facteur : {1.0, 2.0, 5.0, 10.0}) {
        if (facteur * puissance >= brut)
            return facteur * puissance;
    }
    return 10 * puissance;
}

GraphiqueBilan::GraphiqueBilan(QWidget* parent) : QWidget(parent) {
    PreparerGraphique(*this, 8);
    setMinimumHeight(170);
}

QSize GraphiqueBilan::sizeHint() const {
    return {PixelsX(9400), PixelsY(2600)};
}

void GraphiqueBilan::Afficher(const DonneesResultats& r, bool calculAuto) {
    donnees_ = r;
    vide_ = !calculAuto;
    update();
}

void GraphiqueBilan::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(CouleurCadre);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    if (vide_)
        return;
    p.setRenderHint(QPainter::Antialiasing);
    const int hLigne = fontMetrics().height();
    const QRect zone(46, hLigne + 10, width() - 46 - 40, height() - 2 * hLigne - 18);
    if (zone.width() < 24 || zone.height() < 20)
        return;
    double maximum = 0;
    for (int m = 1; m <= 12; ++m)
        maximum = std::max({maximum, Fini(donnees_.Becs[m]), Fini(donnees_.Prod[m])});
    const double pas = PasGraduation(maximum, 4);
    const int nbPas = std::max(1, static_cast<int>(std::ceil(maximum / pas)));
    TracerAxes(p, zone, pas, nbPas);
    TracerBarres(p, zone, pas * nbPas);
    TracerCouverture(p, zone);
    TracerLegende(p);
}

void GraphiqueBilan::TracerAxes(QPainter& p, const QRect& zone, double pas, int nbPas) const {
    const int h = fontMetrics().height();
    for (int i = 0; i <= nbPas; ++i) {
        const int y =
            zone.bottom() - static_cast<int>(std::lround(zone.height() * i / double(nbPas)));
        p.setPen(QPen(QColor(0xE0, 0xE0, 0xE0), 1));
        p.drawLine(zone.left(), y, zone.right(), y);
        p.setPen(Qt::black);
        p.drawText(QRect(0, y - h / 2, zone.left() - 4, h), Qt::AlignRight | Qt::AlignVCenter,
                   Nombre(pas * i));
    }
    // The coverage scale on the right: 0, 50 and 100 %.
    p.setPen(CouleurCouverture);
    for (int pc : {0, 50, 100}) {
        const int y = zone.bottom() - zone.height() * pc / 100;
        p.drawText(QRect(zone.right() + 4, y - h / 2, 36, h), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::number(pc) + QStringLiteral(" %"));
    }
    p.setPen(Qt::black);
    p.drawText(QRect(0, 2, zone.left() + 40, h), Qt::AlignLeft, QStringLiteral("kWh"));
    const double colonne = zone.width() / 12.0;
    for (int m = 1; m <= 12; ++m) {
        const QRectF cellule(zone.left() + colonne * (m - 1), zone.bottom() + 3, colonne, h);
        p.drawText(cellule, Qt::AlignCenter, QString::fromLatin1(Initiales[m]));
    }
}

void GraphiqueBilan::TracerBarres(QPainter& p, const QRect& zone, double echelle) const {
    const double colonne = zone.width() / 12.0;
    const double barre = colonne * 0.36;
    p.setPen(Qt::NoPen);
    for (int m = 1; m <= 12; ++m) {
        const double x = zone.left() + colonne * (m - 1) + colonne * 0.12;
        const double hb = zone.height() * Fini(donnees_.Becs[m]) / echelle;
        const double hp = zone.height() * Fini(donnees_.Prod[m]) / echelle;
        p.setBrush(CouleurBesoins);
        p.drawRect(QRectF(x, zone.bottom() - hb, barre, hb));
        p.setBrush(CouleurProduction);
        p.drawRect(QRectF(x + barre, zone.bottom() - hp, barre, hp));
    }
}

void GraphiqueBilan::TracerCouverture(QPainter& p, const QRect& zone) const {
    const double colonne = zone.width() / 12.0;
    QPolygonF ligne;
    for (int m = 1; m <= 12; ++m) {
        const float f = donnees_.Fecs[m];
        if (!std::isfinite(f))
            continue;
        const double pc = std::clamp(static_cast<double>(f), 0.0, 100.0);
        ligne << QPointF(zone.left() + colonne * (m - 0.5),
                         zone.bottom() - zone.height() * pc / 100);
    }
    p.setPen(QPen(CouleurCouverture, 2));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(ligne);
    p.setBrush(CouleurCouverture);
    for (const QPointF& pt : ligne)
        p.drawEllipse(pt, 2.5, 2.5);
}

void GraphiqueBilan::TracerLegende(QPainter& p) const {
    const int h = fontMetrics().height();
    int x = 80;
    auto entree = [&](const QColor& couleur, const QString& texte, bool trait) {
        p.setPen(Qt::NoPen);
        p.setBrush(couleur);
        if (trait)
            p.drawRect(QRectF(x, 2 + h / 2.0 - 1, 12, 2.5));
        else
            p.drawRect(QRectF(x, 4, 10, h - 4));
        p.setPen(Qt::black);
        const int l = fontMetrics().horizontalAdvance(texte);
        p.drawText(QRect(x + 15, 2, l + 2, h), Qt::AlignLeft, texte);
        x += 15 + l + 16;
    };
    entree(CouleurBesoins, QStringLiteral("Besoins"), false);
    entree(CouleurProduction, QStringLiteral("Productivité solaire"), false);
    QString couverture = QStringLiteral("Couverture");
    if (std::isfinite(donnees_.Fecs_an))
        couverture +=
            QStringLiteral(" (annuelle : ") + Nombre(donnees_.Fecs_an) + QStringLiteral(" %)");
    entree(CouleurCouverture, couverture, true);
}
