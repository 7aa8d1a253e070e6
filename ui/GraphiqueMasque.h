#pragma once
// The horizon mask on labelled axes, with the sun over it: the profile (angle -180 to
// 180°, 0 = south, negative to the east; height from 0 to 90°) and the sun's height
// on 21 June, at the equinoxes and on 21 December at the site's latitude, drawn
// against the hour angle, because that is where the calculation reads the mask. A
// sun path is drawn solid where the calculation counts the sun and dotted where it
// does not: behind the mask, or outside the mask's angle range.

#include "project/ImportHorizon.h"

#include <QWidget>
#include <optional>
#include <vector>

class GraphiqueMasque : public QWidget {
    Q_OBJECT
public:
    // Compact: the small picture of the project window, with fewer labels.
    enum class Format { Compact, Detaille };
    explicit GraphiqueMasque(Format format, QWidget* parent = nullptr);

    // The profile's points in their order, and the site's latitude (no sun paths
    // without one).
    void Tracer(const std::vector<PointHorizon>& profil, std::optional<double> latitude);

    // The plotting area and the place of a point of it, in the widget.
    QRectF Zone() const;
    QPointF Position(double angle, double hauteur) const;
    // Whether the calculation counts the sun at this hour angle and height.
    bool SoleilCompte(double angleHoraire, double hauteur) const;

    static const QColor CouleurJuin;
    static const QColor CouleurEquinoxe;
    static const QColor CouleurDecembre;

protected:
    void paintEvent(QPaintEvent* evenement) override;

private:
    void TracerAxes(class QPainter& p) const;
    void TracerProfil(QPainter& p) const;
    void TracerSoleil(QPainter& p) const;
    void TracerLegende(QPainter& p) const;

    Format format_;
    std::vector<PointHorizon> profil_;
    std::optional<double> latitude_;
};
