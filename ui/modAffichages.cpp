#include "ui/modAffichages.h"

#include "data/modTexte.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <cmath>

namespace {
double PointsParPouce(bool horizontal) {
    const QScreen* ecran = QGuiApplication::primaryScreen();
    if (ecran == nullptr)
        return 96.0;
    return horizontal ? ecran->logicalDotsPerInchX() : ecran->logicalDotsPerInchY();
}

int EnPixels(int twips, bool horizontal) {
    return static_cast<int>(std::lround(twips * PointsParPouce(horizontal) / 1440.0));
}

void StylerChamp(QLineEdit* champ) {
    DefinirCouleurFond(champ, CouleurAffichee);
    champ->setFrame(false);
    champ->setFixedHeight(PixelsY(330));
    champ->setFont(Police(8, true));
    const bool numerique = champ->property(ProprieteTag).toString() == QLatin1String("R");
    champ->setAlignment((numerique ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    champ->clear();
    champ->setToolTip(QString());
    DefinirCouleurFond(champ, CouleurAffichee);
}

void StylerCadre(QGroupBox* cadre) {
    cadre->setFlat(true);
    cadre->setAutoFillBackground(true);
    DefinirCouleurFond(cadre, CouleurCadre);
    cadre->setFont(Police(10, true));
    // The bold title font is the frame's own: what the frame holds keeps the normal
    // font unless it has one of its own.
    for (QWidget* enfant : cadre->findChildren<QWidget*>()) {
        if (!enfant->testAttribute(Qt::WA_SetFont))
            enfant->setFont(Police(9));
    }
}

void StylerListe(QComboBox* liste) {
    liste->move(liste->x() + PixelsX(10), liste->y());
    liste->setFont(Police(8));
}
} // namespace

QFont Police(int points, bool gras) {
    QFont police(PoliceInterface, points);
    police.setWeight(gras ? QFont::Bold : QFont::Normal);
    police.setItalic(false);
    return police;
}

void PreparerGraphique(QWidget& graphique, int points) {
    graphique.setAutoFillBackground(true);
    QPalette p = graphique.palette();
    p.setColor(QPalette::Window, Qt::white);
    graphique.setPalette(p);
    graphique.setFont(Police(points));
}

int PixelsX(int twips) {
    return EnPixels(twips, true);
}
int PixelsY(int twips) {
    return EnPixels(twips, false);
}

QString TexteFormate(double valeur, FormatAffichage format) {
    if (!std::isfinite(valeur))
        return QString();
    const std::string texte = format == FormatAffichage::DeuxDecimales ? FormatDeuxDecimales(valeur)
                                                                       : FormatEntier(valeur);
    return QString::fromStdString(texte);
}

void StylerFenetre(QWidget* fenetre) {
    for (QWidget* controle : fenetre->findChildren<QWidget*>()) {
        if (auto* champ = qobject_cast<QLineEdit*>(controle)) {
            // A combo box's own edit line belongs to the combo box.
            if (qobject_cast<QComboBox*>(champ->parentWidget()) == nullptr)
                StylerChamp(champ);
        } else if (auto* cadre = qobject_cast<QGroupBox*>(controle)) {
            StylerCadre(cadre);
        } else if (auto* liste = qobject_cast<QComboBox*>(controle)) {
            StylerListe(liste);
        }
    }
}

void StylerBoutonImage(QWidget* bouton) {
    bouton->setAutoFillBackground(true);
    DefinirCouleurFond(bouton, CouleurCadre);
    bouton->setFont(Police(10, true));
    if (auto* cadre = qobject_cast<QFrame*>(bouton))
        cadre->setFrameShape(QFrame::NoFrame);
}

QColor CouleurFond(const QWidget* controle) {
    const QPalette::ColorRole role =
        qobject_cast<const QLineEdit*>(controle) ? QPalette::Base : QPalette::Window;
    return controle->palette().color(role);
}

void DefinirCouleurFond(QWidget* controle, const QColor& couleur) {
    QPalette p = controle->palette();
    const QPalette::ColorRole role =
        qobject_cast<const QLineEdit*>(controle) ? QPalette::Base : QPalette::Window;
    p.setColor(role, couleur);
    controle->setPalette(p);
}
