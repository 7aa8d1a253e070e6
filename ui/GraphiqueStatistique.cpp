#include "ui/GraphiqueStatistique.h"

#include "common/Notificateur.h"
#include "data/modTexte.h"
#include "ui/modAffichages.h"

#include <QPainter>
#include <algorithm>
#include <numeric>

namespace {
QString Entier(double v) {
    return QString::fromStdString(FormatEntier(v));
}
} // namespace

GraphiqueStatistique::GraphiqueStatistique(QWidget* parent) : QWidget(parent) {
    PreparerGraphique(*this, 8);
}

void GraphiqueStatistique::Tracer(const QString& titre, const std::vector<float>& y,
                                  const std::vector<float>& x) {
    if (y.empty())
        return;
    SablierActif sablier;
    y_.assign(y.begin(), y.end());
    const auto [pMin, pMax] = std::minmax_element(y_.begin(), y_.end());
    minimum_ = *pMin;
    maximum_ = *pMax;
    const double moyenne = std::accumulate(y_.begin(), y_.end(), 0.0) / y_.size();
    if (!x.empty()) {
        x_.assign(x.begin(), x.end());
        x_.resize(y_.size(), x_.empty() ? 0.0 : x_.back());
        const auto [xa, xb] = std::minmax_element(x_.begin(), x_.end());
        xMin_ = *xa;
        xMax_ = *xb;
        titre_.clear();
        texteMoyenne_.clear();
    } else {
        x_.resize(y_.size());
        std::iota(x_.begin(), x_.end(), 0.0);
        xMin_ = 0;
        xMax_ = static_cast<double>(y_.size()) - 1;
        titre_ = titre;
        texteMoyenne_ = QStringLiteral(" moy.: ") + Entier(moyenne);
        setToolTip(titre + QStringLiteral(" moy.: ") + Entier(moyenne) + QStringLiteral(" min.: ") +
                   Entier(minimum_) + QStringLiteral(" max.: ") + Entier(maximum_));
    }
    update();
}

void GraphiqueStatistique::paintEvent(QPaintEvent*) {
    QPainter p(this);
    TracerCourbe(p);
    // The texts go over the curve so that a high first value does not hide them.
    if (!titre_.isEmpty() || !texteMoyenne_.isEmpty()) {
        p.setPen(Qt::black);
        const int h = fontMetrics().height();
        p.drawText(QRect(0, 0, width(), h), Qt::AlignLeft | Qt::AlignTop, titre_);
        p.drawText(QRect(0, 14, width(), h), Qt::AlignLeft | Qt::AlignTop, texteMoyenne_);
    }
}

void GraphiqueStatistique::TracerCourbe(QPainter& p) const {
    // Equal values, or points that all share one x, have no range to draw in.
    if (y_.empty() || !(maximum_ > minimum_) || !(xMax_ > xMin_))
        return;
    const double largeur = std::max(1, width() - 1);
    const double hauteur = std::max(1, height() - 1);
    auto point = [&](double x, double y) {
        return QPointF((x - xMin_) / (xMax_ - xMin_) * largeur,
                       (maximum_ - y) / (maximum_ - minimum_) * hauteur);
    };
    const QPen rouge(QColor(0xFF, 0x00, 0x00), 2);
    const QPen gris(QColor(0xC0, 0xC0, 0xC0), 1, Qt::DotLine);
    double xPrec = xMin_;
    double yPrec = y_.front();
    for (std::size_t i = 0; i < y_.size(); ++i) {
        if (x_[i] < xPrec)
            break;
        p.setPen(rouge);
        p.drawLine(point(xPrec, yPrec), point(x_[i], y_[i]));
        p.setPen(gris);
        p.drawLine(point(x_[i], minimum_), point(x_[i], y_[i]));
        xPrec = x_[i];
        yPrec = y_[i];
    }
}
