#pragma once
// The small chart of the monthly needs and of the horizon mask: a red line through
// the values with a dotted grey vertical under each point, over a range that runs
// from the smallest value (bottom) to the largest (top). Without x values it also
// writes its title and the mean, and its tooltip gives mean, minimum and maximum.

#include <QWidget>
#include <vector>

class GraphiqueStatistique : public QWidget {
    Q_OBJECT
public:
    explicit GraphiqueStatistique(QWidget* parent = nullptr);

    // Draws the values; an empty y list leaves the chart as it was. When x values are
    // given (as many as y values) they place the points and no text is written.
    void Tracer(const QString& titre, const std::vector<float>& y,
                const std::vector<float>& x = {});

    QString Titre() const { return titre_; }
    QString TexteMoyenne() const { return texteMoyenne_; }

protected:
    void paintEvent(QPaintEvent* evenement) override;

private:
    void TracerCourbe(class QPainter& p) const;

    QString titre_;
    QString texteMoyenne_;
    std::vector<double> x_;
    std::vector<double> y_;
    double minimum_ = 0;
    double maximum_ = 0;
    double xMin_ = 0;
    double xMax_ = 0;
};
