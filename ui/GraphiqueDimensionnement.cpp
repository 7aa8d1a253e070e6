#include "ui/GraphiqueDimensionnement.h"

#include "data/modTexte.h"
#include "ui/GraphiqueBilan.h"
#include "ui/modAffichages.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>
#include <cmath>

const QColor GraphiqueDimensionnement::CouleurSurchauffe(0xD0, 0x20, 0x20);

namespace {
const QColor CouleurCible(0x20, 0x80, 0x40);
// A click this close to a point chooses it [px].
constexpr double RayonChoix = 9;

QString Nombre(double v) {
    return QString::fromStdString(FormatNombre(v));
}

QString Volume(const BallonBalayage& b) {
    return Nombre(b.Vn) + QStringLiteral(" l");
}

QString TexteCible(double cible) {
    return QStringLiteral("Couverture visée : ") + Nombre(cible) + QStringLiteral(" %");
}

// Whether the segment ab crosses the rectangle or lies inside it.
bool SegmentCroise(const QPointF& a, const QPointF& b, const QRectF& r) {
    if (r.contains(a) || r.contains(b))
        return true;
    const QLineF segment(a, b);
    const QLineF bords[] = {{r.topLeft(), r.topRight()},
                            {r.topRight(), r.bottomRight()},
                            {r.bottomRight(), r.bottomLeft()},
                            {r.bottomLeft(), r.topLeft()}};
    for (const QLineF& bord : bords) {
        if (segment.intersects(bord) == QLineF::BoundedIntersection)
            return true;
    }
    return false;
}

void Triangle(QPainter& p, const QPointF& c, double r) {
    const QPointF sommets[] = {c + QPointF(0, -r), c + QPointF(r * 0.87, r * 0.5),
                               c + QPointF(-r * 0.87, r * 0.5)};
    p.drawPolygon(sommets, 3);
}
} // namespace

QColor GraphiqueDimensionnement::CouleurBallon(std::size_t ballon) {
    static const QColor couleurs[] = {QColor(0x5B, 0x7D, 0xB1), QColor(0xF0, 0xA0, 0x30),
                                      QColor(0x40, 0xA0, 0x90), QColor(0x90, 0x60, 0xB0),
                                      QColor(0x80, 0x80, 0x80)};
    return couleurs[ballon % std::size(couleurs)];
}

GraphiqueDimensionnement::GraphiqueDimensionnement(Grandeur grandeur, QWidget* parent)
    : QWidget(parent), grandeur_(grandeur) {
    PreparerGraphique(*this, 8);
    setMinimumSize(520, 230);
    setCursor(Qt::PointingHandCursor);
}

void GraphiqueDimensionnement::Afficher(const Balayage* balayage) {
    balayage_ = balayage;
    Echelles();
    update();
}

void GraphiqueDimensionnement::DefinirCible(std::optional<double> cible) {
    cible_ = cible;
    update();
}

double GraphiqueDimensionnement::Valeur(const PointBalayage& p) const {
    return grandeur_ == Grandeur::Couverture ? p.Fecs_an : p.Productivite_par_m2;
}

void GraphiqueDimensionnement::Echelles() {
    double x = 0, y = 0;
    for (const PointBalayage& p : balayage_ ? balayage_->points : std::vector<PointBalayage>{}) {
        if (p.calcule && std::isfinite(Valeur(p))) {
            x = std::max(x, static_cast<double>(p.surface));
            y = std::max(y, Valeur(p));
        }
    }
    xPas_ = PasGraduation(std::max(x, 1.0), 8);
    // A step beyond the widest area, so that its marks are not cut by the frame.
    xMax_ = (std::floor(x / xPas_) + 1) * xPas_;
    if (grandeur_ == Grandeur::Couverture) {
        yPas_ = 20;
        yMax_ = 100;
    } else {
        yPas_ = PasGraduation(std::max(y, 1.0), 5);
        yMax_ = std::max(1.0, std::ceil(y / yPas_)) * yPas_;
    }
}

QRectF GraphiqueDimensionnement::Zone() const {
    const int h = fontMetrics().height();
    // The legend's two lines, then the vertical axis' title, above; the graduations and
    // the horizontal axis' title below.
    const double haut = 3 * h + 22;
    return QRectF(52, haut, width() - 52 - 16, height() - haut - 2 * h - 12);
}

std::optional<QPointF> GraphiqueDimensionnement::Position(std::size_t indice) const {
    if (balayage_ == nullptr || indice >= balayage_->points.size())
        return std::nullopt;
    const PointBalayage& p = balayage_->points[indice];
    const double v = Valeur(p);
    if (!p.calcule || !std::isfinite(v) || !std::isfinite(p.surface))
        return std::nullopt;
    const QRectF zone = Zone();
    return QPointF(zone.left() + zone.width() * p.surface / xMax_,
                   zone.bottom() - zone.height() * std::clamp(v, 0.0, yMax_) / yMax_);
}

std::optional<std::size_t> GraphiqueDimensionnement::PointSous(const QPointF& position) const {
    std::optional<std::size_t> retenu;
    double meilleure = RayonChoix;
    for (std::size_t i = 0; balayage_ && i < balayage_->points.size(); ++i) {
        if (const auto q = Position(i)) {
            const double d = std::hypot(q->x() - position.x(), q->y() - position.y());
            if (d <= meilleure) {
                meilleure = d;
                retenu = i;
            }
        }
    }
    return retenu;
}

void GraphiqueDimensionnement::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(CouleurCadre);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    const QRectF zone = Zone();
    if (zone.width() < 40 || zone.height() < 30)
        return;
    p.setRenderHint(QPainter::Antialiasing);
    TracerAxes(p, zone);
    if (balayage_ == nullptr)
        return;
    if (grandeur_ == Grandeur::Couverture)
        TracerCible(p, zone);
    TracerCourbes(p);
    TracerLegende(p);
}

void GraphiqueDimensionnement::TracerAxes(QPainter& p, const QRectF& zone) const {
    const int h = fontMetrics().height();
    for (double y = 0; y <= yMax_ + yPas_ / 2; y += yPas_) {
        const double py = zone.bottom() - zone.height() * y / yMax_;
        p.setPen(QPen(QColor(0xE0, 0xE0, 0xE0), 1));
        p.drawLine(QPointF(zone.left(), py), QPointF(zone.right(), py));
        p.setPen(Qt::black);
        p.drawText(QRectF(0, py - h / 2.0, zone.left() - 5, h), Qt::AlignRight | Qt::AlignVCenter,
                   Nombre(y));
    }
    for (double x = 0; x <= xMax_ + xPas_ / 2; x += xPas_) {
        const double px = zone.left() + zone.width() * x / xMax_;
        p.setPen(QPen(QColor(0xE0, 0xE0, 0xE0), 1));
        p.drawLine(QPointF(px, zone.top()), QPointF(px, zone.bottom()));
        p.setPen(Qt::black);
        p.drawText(QRectF(px - 30, zone.bottom() + 3, 60, h), Qt::AlignHCenter | Qt::AlignTop,
                   Nombre(x));
    }
    p.drawLine(zone.bottomLeft(), zone.bottomRight());
    p.drawLine(zone.bottomLeft(), zone.topLeft());
    p.drawText(QRectF(zone.left(), zone.bottom() + h + 4, zone.width(), h), Qt::AlignHCenter,
               QStringLiteral("Surface de capteurs [m²]"));
    p.drawText(QRectF(8, zone.top() - h - 8, 300, h), Qt::AlignLeft | Qt::AlignVCenter,
               grandeur_ == Grandeur::Couverture ? QStringLiteral("Couverture solaire [%]")
                                                 : QStringLiteral("Productivité [kWh/m²]"));
}

void GraphiqueDimensionnement::TracerCible(QPainter& p, const QRectF& zone) const {
    if (!cible_ || !std::isfinite(*cible_))
        return;
    const double y = zone.bottom() - zone.height() * std::clamp(*cible_, 0.0, yMax_) / yMax_;
    p.setPen(QPen(CouleurCible, 1.5, Qt::DashLine));
    p.drawLine(QPointF(zone.left(), y), QPointF(zone.right(), y));
    p.drawText(EtiquetteCible(), Qt::AlignRight | Qt::AlignVCenter, TexteCible(*cible_));
}

std::vector<GraphiqueDimensionnement::Courbe> GraphiqueDimensionnement::Courbes() const {
    std::vector<Courbe> courbes;
    const std::size_t nb = balayage_ ? balayage_->grille.ballons.size() : 0;
    for (std::size_t j = 0; j < nb; ++j) {
        Courbe courbe{j, {}};
        for (std::size_t i = j; i < balayage_->points.size(); i += nb) {
            if (const auto q = Position(i)) {
                courbe.points << *q;
            } else if (!courbe.points.isEmpty()) {
                courbes.push_back(courbe);
                courbe.points.clear();
            }
        }
        if (!courbe.points.isEmpty())
            courbes.push_back(courbe);
    }
    return courbes;
}

bool GraphiqueDimensionnement::CroiseCourbes(const QRectF& rectangle) const {
    // The points' marks reach 7 px around them, the lines a pixel or two.
    for (std::size_t i = 0; balayage_ && i < balayage_->points.size(); ++i) {
        if (const auto q = Position(i); q && rectangle.adjusted(-8, -8, 8, 8).contains(*q))
            return true;
    }
    const QRectF autour = rectangle.adjusted(-3, -3, 3, 3);
    for (const Courbe& courbe : Courbes()) {
        const QPolygonF& c = courbe.points;
        for (qsizetype k = 0; k + 1 < c.size(); ++k) {
            if (SegmentCroise(c[k], c[k + 1], autour))
                return true;
        }
    }
    return false;
}

QRectF GraphiqueDimensionnement::EtiquetteCible() const {
    if (balayage_ == nullptr || grandeur_ != Grandeur::Couverture || !cible_ ||
        !std::isfinite(*cible_))
        return {};
    const QRectF zone = Zone();
    const double y = zone.bottom() - zone.height() * std::clamp(*cible_, 0.0, yMax_) / yMax_;
    const QSizeF taille(fontMetrics().horizontalAdvance(TexteCible(*cible_)) + 4,
                        fontMetrics().height());
    const double droite = zone.right() - taille.width() - 4, gauche = zone.left() + 6;
    const double dessus = y - taille.height() - 2, dessous = y + 2;
    // Beside the line: at its right end, then at its left end; above it, then below.
    for (const QPointF& coin : {QPointF(droite, dessus), QPointF(droite, dessous),
                                QPointF(gauche, dessus), QPointF(gauche, dessous)}) {
        const QRectF r(coin, taille);
        if (zone.contains(r) && !CroiseCourbes(r))
            return r;
    }
    // Above the plot, at the end of the vertical axis' title line, where no curve goes.
    return {QPointF(zone.right() - taille.width(), zone.top() - taille.height() - 8), taille};
}

void GraphiqueDimensionnement::TracerCourbes(QPainter& p) const {
    for (const Courbe& courbe : Courbes()) {
        // The project's tank stands out.
        const double epaisseur = balayage_->grille.ballons[courbe.ballon].projet ? 3 : 1.5;
        p.setPen(QPen(CouleurBallon(courbe.ballon), epaisseur));
        p.drawPolyline(courbe.points);
    }
    for (std::size_t i = 0; i < balayage_->points.size(); ++i) {
        const auto q = Position(i);
        if (!q)
            continue;
        const PointBalayage& point = balayage_->points[i];
        p.setPen(Qt::NoPen);
        p.setBrush(CouleurBallon(point.ballon));
        p.drawEllipse(*q, 3, 3);
        p.setBrush(Qt::NoBrush);
        if (point.moisSurchauffe > 0) {
            p.setPen(QPen(CouleurSurchauffe, 1.5));
            Triangle(p, *q, 7);
        }
        if (i == balayage_->projet) {
            p.setPen(QPen(Qt::black, 2));
            p.drawEllipse(*q, 7, 7);
        }
    }
}

void GraphiqueDimensionnement::TracerLegende(QPainter& p) const {
    const int h = fontMetrics().height();
    double x = 8;
    const auto texte = [&](double y, const QString& t) {
        const int l = fontMetrics().horizontalAdvance(t);
        p.setPen(Qt::black);
        p.drawText(QRectF(x, y, l + 2, h), Qt::AlignLeft | Qt::AlignVCenter, t);
        x += l + 14;
    };
    texte(4, QStringLiteral("Ballon :"));
    const auto& ballons = balayage_->grille.ballons;
    for (std::size_t j = 0; j < ballons.size(); ++j) {
        p.setPen(QPen(CouleurBallon(j), 2));
        p.drawLine(QPointF(x, 4 + h / 2.0), QPointF(x + 14, 4 + h / 2.0));
        x += 18;
        texte(4,
              Volume(ballons[j]) + (ballons[j].projet ? QStringLiteral(" (projet)") : QString()));
    }
    x = 8;
    const double y = 6 + h, c = y + h / 2.0;
    p.setPen(QPen(Qt::black, 2));
    p.drawEllipse(QPointF(x + 7, c), 6, 6);
    x += 18;
    texte(y, QStringLiteral("Point du projet"));
    p.setPen(QPen(CouleurSurchauffe, 1.5));
    Triangle(p, QPointF(x + 7, c), 6);
    x += 18;
    texte(y, QStringLiteral("Un mois couvert à ") + Nombre(SeuilSurchauffe) +
                 QStringLiteral(" % ou plus (stagnation probable)"));
}

void GraphiqueDimensionnement::mousePressEvent(QMouseEvent* evenement) {
    if (evenement->button() == Qt::LeftButton) {
        if (const auto i = PointSous(evenement->position()))
            emit pointChoisi(*i);
    }
    QWidget::mousePressEvent(evenement);
}

bool GraphiqueDimensionnement::event(QEvent* evenement) {
    if (evenement->type() != QEvent::ToolTip || balayage_ == nullptr)
        return QWidget::event(evenement);
    auto* aide = static_cast<QHelpEvent*>(evenement);
    const auto i = PointSous(aide->pos());
    if (!i) {
        QToolTip::hideText();
        evenement->ignore();
        return true;
    }
    const PointBalayage& p = balayage_->points[*i];
    const BallonBalayage& b = balayage_->grille.ballons[p.ballon];
    QToolTip::showText(
        aide->globalPos(),
        QStringLiteral("%1 capteurs (%2 m²), %3 (%4)\nCouverture : %5 %, productivité : %6 "
                       "kWh/m²\nMois couverts à %7 % ou plus : %8")
            .arg(p.nombre)
            .arg(Nombre(p.surface), QString::fromStdString(b.nom), Volume(b),
                 TexteFormate(p.Fecs_an, FormatAffichage::Entier),
                 TexteFormate(p.Productivite_par_m2, FormatAffichage::Entier),
                 Nombre(SeuilSurchauffe))
            .arg(p.moisSurchauffe),
        this);
    return true;
}
