#pragma once
// A chart of the sizing study: one curve per tank volume of the annual coverage, or of
// the productivity per m², against the collectors' area. The project's point is
// ringed, the points with a month at or above the stagnation threshold are marked, and
// on the coverage chart the target the person set is a dashed line, its label put where
// no curve passes. A click near a point chooses it.

#include "project/modBalayage.h"

#include <QPolygonF>
#include <QWidget>
#include <optional>
#include <vector>

class QPainter;

class GraphiqueDimensionnement : public QWidget {
    Q_OBJECT
public:
    enum class Grandeur { Couverture, ProductiviteM2 };

    explicit GraphiqueDimensionnement(Grandeur grandeur, QWidget* parent = nullptr);

    // The study to draw (kept by the caller while shown); nullptr draws empty axes.
    void Afficher(const Balayage* balayage);
    // The target coverage [%], or none.
    void DefinirCible(std::optional<double> cible);

    // Where point `indice` of the study is drawn; nothing when it is not.
    std::optional<QPointF> Position(std::size_t indice) const;
    // The point drawn nearest to `position`, within a few pixels.
    std::optional<std::size_t> PointSous(const QPointF& position) const;
    // Where the target's label is written: beside its line where no curve nor point
    // crosses it, else above the plot. Empty without a target or a study.
    QRectF EtiquetteCible() const;
    // Whether a curve or a point's mark crosses the rectangle.
    bool CroiseCourbes(const QRectF& rectangle) const;

    static QColor CouleurBallon(std::size_t ballon);
    static const QColor CouleurSurchauffe;

signals:
    void pointChoisi(std::size_t indice);

protected:
    void paintEvent(QPaintEvent* evenement) override;
    void mousePressEvent(QMouseEvent* evenement) override;
    bool event(QEvent* evenement) override;

private:
    QRectF Zone() const;
    double Valeur(const PointBalayage& p) const;
    void Echelles();
    void TracerAxes(QPainter& p, const QRectF& zone) const;
    // Each tank's curve, in pieces where points are missing.
    struct Courbe {
        std::size_t ballon;
        QPolygonF points;
    };
    std::vector<Courbe> Courbes() const;
    void TracerCourbes(QPainter& p) const;
    void TracerCible(QPainter& p, const QRectF& zone) const;
    void TracerLegende(QPainter& p) const;

    Grandeur grandeur_;
    const Balayage* balayage_ = nullptr;
    std::optional<double> cible_;
    double xMax_ = 1, xPas_ = 1, yMax_ = 100, yPas_ = 20;
};
