#include "ui/GraphiqueMasque.h"

#include "engine/CourseSoleil.h"
#include "ui/modAffichages.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>

const QColor GraphiqueMasque::CouleurJuin(0xD0, 0x40, 0x00);
const QColor GraphiqueMasque::CouleurEquinoxe(0xE0, 0xA0, 0x00);
const QColor GraphiqueMasque::CouleurDecembre(0x20, 0x60, 0xC0);

namespace {
const QColor Profil(0xFF, 0x00, 0x00);
const QColor Terrain(0xB8, 0xA4, 0x88, 150);
const QColor Grille(0xE4, 0xE4, 0xE4);

struct Course {
    int jour;
    const QColor& couleur;
    const char* nom;
};
const std::array<Course, 3> Courses = {
    {{JourSolsticeJuin, GraphiqueMasque::CouleurJuin, "21 juin"},
     {JourEquinoxe, GraphiqueMasque::CouleurEquinoxe, "équinoxes"},
     {JourSolsticeDecembre, GraphiqueMasque::CouleurDecembre, "21 décembre"}}};

// The angle labels: "0 S" and the east and west points named, the rest as numbers.
QString Etiquette(int angle) {
    switch (angle) {
    case -90:
        return QStringLiteral("-90 E");
    case 0:
        return QStringLiteral("0 S");
    case 90:
        return QStringLiteral("90 O");
    default:
        return QString::number(angle);
    }
}
} // namespace

GraphiqueMasque::GraphiqueMasque(Format format, QWidget* parent)
    : QWidget(parent), format_(format) {
    PreparerGraphique(*this, format == Format::Compact ? 7 : 8);
}

void GraphiqueMasque::Tracer(const std::vector<PointHorizon>& profil,
                             std::optional<double> latitude) {
    profil_ = profil;
    latitude_ = latitude;
    update();
}

QRectF GraphiqueMasque::Zone() const {
    const int h = fontMetrics().height();
    const int gauche = fontMetrics().horizontalAdvance(QStringLiteral("90")) + 6;
    if (format_ == Format::Compact)
        return QRectF(gauche, h / 2 + 1, width() - gauche - 4, height() - h - h / 2 - 3);
    // Room above for the solar hours and the legend, below for the angles and their title.
    return QRectF(gauche + h, 2 * h + 4, width() - gauche - h - 10, height() - 5 * h - 8);
}

QPointF GraphiqueMasque::Position(double angle, double hauteur) const {
    const QRectF z = Zone();
    return {z.left() + (angle + 180) / 360 * z.width(), z.bottom() - hauteur / 90 * z.height()};
}

bool GraphiqueMasque::SoleilCompte(double angleHoraire, double hauteur) const {
    if (profil_.size() < 2)
        return hauteur > 0;
    // Beyond the mask's first and last angles the calculation takes no direct sun.
    if (angleHoraire < profil_.front().angle || angleHoraire > profil_.back().angle)
        return false;
    return hauteur > HauteurHorizon(profil_, angleHoraire);
}

void GraphiqueMasque::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    TracerAxes(p);
    p.save();
    p.setClipRect(Zone().adjusted(-1, -1, 1, 1));
    TracerProfil(p);
    TracerSoleil(p);
    p.restore();
    if (format_ == Format::Detaille)
        TracerLegende(p);
}

void GraphiqueMasque::TracerAxes(QPainter& p) const {
    const QRectF z = Zone();
    const int h = fontMetrics().height();
    const bool compact = format_ == Format::Compact;
    p.setPen(Grille);
    for (int hauteur = 0; hauteur <= 90; hauteur += compact ? 45 : 15)
        p.drawLine(Position(-180, hauteur), Position(180, hauteur));
    for (int angle = -180; angle <= 180; angle += compact ? 90 : 30)
        p.drawLine(Position(angle, 0), Position(angle, 90));
    p.setPen(Qt::black);
    p.drawRect(z);
    for (int hauteur = 0; hauteur <= 90; hauteur += compact ? 45 : 30) {
        const QPointF a = Position(-180, hauteur);
        p.drawText(QRectF(0, a.y() - h / 2.0, z.left() - 3, h), Qt::AlignRight | Qt::AlignVCenter,
                   QString::number(hauteur));
    }
    for (int angle = -180; angle <= 180; angle += compact ? 90 : 45) {
        const QPointF a = Position(angle, 0);
        const int flags = angle == -180  ? Qt::AlignLeft
                          : angle == 180 ? Qt::AlignRight
                                         : Qt::AlignHCenter;
        const double x = angle == -180 ? a.x() : angle == 180 ? a.x() - 60 : a.x() - 30;
        p.drawText(QRectF(x, z.bottom() + 1, 60, h), flags | Qt::AlignTop, Etiquette(angle));
    }
    if (compact)
        return;
    p.drawText(QRectF(z.left(), z.bottom() + h + 2, z.width(), h), Qt::AlignHCenter,
               QStringLiteral("Angle [°] : 0 = sud, négatif à l'est, positif à l'ouest ; "
                              "pour le soleil, son angle horaire"));
    for (int heure = 6; heure <= 18; heure += 3) {
        const QPointF a = Position((heure - 12) * 15.0, 90);
        p.drawText(QRectF(a.x() - 30, z.top() - h - 1, 60, h), Qt::AlignHCenter | Qt::AlignBottom,
                   QStringLiteral("%1 h").arg(heure));
    }
    p.save();
    p.translate(h / 2.0 + 1, z.center().y());
    p.rotate(-90);
    p.drawText(QRectF(-z.height() / 2, -h / 2.0, z.height(), h), Qt::AlignCenter,
               QStringLiteral("Hauteur [°]"));
    p.restore();
}

void GraphiqueMasque::TracerProfil(QPainter& p) const {
    if (profil_.size() < 2)
        return;
    const QRectF z = Zone();
    // Outside the mask's range no direct sun is counted: hatched.
    const QBrush hachures(QColor(0xA0, 0xA0, 0xA0), Qt::BDiagPattern);
    p.fillRect(QRectF(z.topLeft(), Position(profil_.front().angle, 0)), hachures);
    p.fillRect(QRectF(Position(profil_.back().angle, 90), z.bottomRight()), hachures);
    QPolygonF ligne;
    for (const PointHorizon& point : profil_)
        ligne << Position(point.angle, std::clamp(point.hauteur, 0.0, 90.0));
    QPolygonF terrain = ligne;
    terrain << Position(profil_.back().angle, 0) << Position(profil_.front().angle, 0);
    p.setPen(Qt::NoPen);
    p.setBrush(Terrain);
    p.drawPolygon(terrain);
    p.setPen(QPen(Profil, 2));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(ligne);
    if (format_ == Format::Detaille) {
        p.setBrush(Profil);
        for (const QPointF& point : ligne)
            p.drawEllipse(point, 2.5, 2.5);
    }
}

void GraphiqueMasque::TracerSoleil(QPainter& p) const {
    if (!latitude_)
        return;
    const double epaisseur = format_ == Format::Compact ? 1.5 : 2;
    for (const Course& c : Courses) {
        const std::vector<PointCourse> course = CourseSoleil(*latitude_, c.jour, 1);
        for (std::size_t i = 1; i < course.size(); ++i) {
            const PointCourse& a = course[i - 1];
            const PointCourse& b = course[i];
            const bool compte =
                SoleilCompte(a.angleHoraire, a.hauteur) && SoleilCompte(b.angleHoraire, b.hauteur);
            p.setPen(compte ? QPen(c.couleur, epaisseur)
                            : QPen(c.couleur.lighter(130), 1, Qt::DotLine));
            p.drawLine(Position(a.angleHoraire, a.hauteur), Position(b.angleHoraire, b.hauteur));
        }
    }
}

void GraphiqueMasque::TracerLegende(QPainter& p) const {
    const int h = fontMetrics().height();
    double x = Zone().left();
    const double y = 2;
    p.setPen(QPen(Profil, 2));
    p.drawLine(QPointF(x, y + h / 2.0), QPointF(x + 16, y + h / 2.0));
    p.setPen(Qt::black);
    const QString masque = QStringLiteral("masque");
    p.drawText(QPointF(x + 20, y + h - 3), masque);
    x += 30 + fontMetrics().horizontalAdvance(masque);
    if (!latitude_)
        return;
    for (const Course& c : Courses) {
        p.setPen(QPen(c.couleur, 2));
        p.drawLine(QPointF(x, y + h / 2.0), QPointF(x + 16, y + h / 2.0));
        p.setPen(Qt::black);
        const QString nom = QString::fromUtf8(c.nom);
        p.drawText(QPointF(x + 20, y + h - 3), nom);
        x += 30 + fontMetrics().horizontalAdvance(nom);
    }
    p.setPen(QPen(Qt::gray, 1, Qt::DotLine));
    p.drawLine(QPointF(x, y + h / 2.0), QPointF(x + 16, y + h / 2.0));
    p.setPen(Qt::black);
    p.drawText(QPointF(x + 20, y + h - 3), QStringLiteral("soleil non compté"));
}
