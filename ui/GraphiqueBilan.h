#pragma once
// The monthly bar chart under the results grid: the needs and the solar
// productivity of each month side by side, and the coverage as a line on a 0-100 %
// scale, so that a sizing reads at a glance. Empty in on-demand calculation mode,
// like the grid.

#include "ui/DonneesResultats.h"

#include <QWidget>

class GraphiqueBilan : public QWidget {
    Q_OBJECT
public:
    explicit GraphiqueBilan(QWidget* parent = nullptr);

    void Afficher(const DonneesResultats& r, bool calculAuto);
    bool Vide() const { return vide_; }

    // As wide as the results grid and a third of its width high.
    QSize sizeHint() const override;

    static const QColor CouleurBesoins;
    static const QColor CouleurProduction;
    static const QColor CouleurCouverture;

protected:
    void paintEvent(QPaintEvent* evenement) override;

private:
    void TracerAxes(class QPainter& p, const QRect& zone, double pas, int nbPas) const;
    void TracerBarres(QPainter& p, const QRect& zone, double echelle) const;
    void TracerCouverture(QPainter& p, const QRect& zone) const;
    void TracerLegende(QPainter& p) const;

    DonneesResultats donnees_;
    bool vide_ = true;
};

// A step of 1, 2 or 5 times a power of ten that divides [0, maximum] into at most
// `nbMax` steps.
double PasGraduation(double maximum, int nbMax);
