#include "ui/ResultatsGrille.h"

#include "data/modTexte.h"
#include "ui/modAffichages.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <algorithm>
#include <cmath>

namespace {
// The French abbreviated month names, as the program's culture writes them.
const char* const NomsMois[13] = {"",      "janv.", "févr.", "mars", "avr.", "mai", "juin",
                                  "juil.", "août",  "sept.", "oct.", "nov.", "déc."};

const char* const EnTetesLignes[ResultatsGrille::NbLignes] = {
    "", "Couverture [%]", "Besoins [kWh]", "Productivité [kWh]", "Productivité /m²"};

QString Entier(double v) {
    return TexteFormate(v, FormatAffichage::Entier);
}
} // namespace

double ProductiviteAnnuelle(const DonneesResultats& r) {
    double somme = 0;
    for (int m = 1; m <= 12; ++m) {
        if (!std::isfinite(r.Prod[m]))
            return std::nan("");
        somme += ValeurEnTete(FormatDeuxDecimales(r.Prod[m]));
    }
    return somme;
}

ResultatsGrille::ResultatsGrille(QWidget* parent) : QTableWidget(NbLignes, NbColonnes, parent) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Cells are selected for copying only: a click, never the Tab key, brings the focus.
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setFocusPolicy(Qt::ClickFocus);
    // The key itself is taken in keyPressEvent, before any shortcut of the window.
    auto* copier = new QAction(QStringLiteral("&Copier\tCtrl+C"), this);
    connect(copier, &QAction::triggered, this, &ResultatsGrille::Copier);
    addAction(copier);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFont(Police(8));
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setMinimumSectionSize(1);

    // The widths of the grid's design, widened where this font needs more room for a
    // heading or a five-digit value.
    const QFontMetrics fm(font());
    const int marge = 8;
    int titres = 0;
    for (int l = 1; l < NbLignes; ++l)
        titres = std::max(titres, fm.horizontalAdvance(QString::fromUtf8(EnTetesLignes[l])));
    const int chiffres = fm.horizontalAdvance(QStringLiteral("88888"));
    setColumnWidth(0, std::max(PixelsX(1500), titres + marge));
    for (int c = 1; c <= 12; ++c)
        setColumnWidth(c, std::max(PixelsX(600), chiffres + marge));
    setColumnWidth(13,
                   std::max(PixelsX(700), fm.horizontalAdvance(QStringLiteral("888888")) + marge));
    const int hauteurLigne = fontMetrics().height() + 4;
    int largeur = 2 * frameWidth();
    for (int c = 0; c < NbColonnes; ++c)
        largeur += columnWidth(c);
    for (int l = 0; l < NbLignes; ++l)
        setRowHeight(l, hauteurLigne);
    setFixedSize(largeur, NbLignes * hauteurLigne + 2 * frameWidth());

    for (int l = 0; l < NbLignes; ++l) {
        for (int c = 0; c < NbColonnes; ++c) {
            auto* cellule = new QTableWidgetItem;
            const bool enTete = l == 0 || c == 0;
            cellule->setTextAlignment(enTete && c == 0 ? (Qt::AlignLeft | Qt::AlignVCenter)
                                      : enTete         ? Qt::AlignCenter
                                                       : (Qt::AlignRight | Qt::AlignVCenter));
            if (enTete)
                cellule->setBackground(CouleurCadre);
            setItem(l, c, cellule);
        }
    }
    for (int m = 1; m <= 12; ++m)
        Ecrire(0, m, QString::fromUtf8(NomsMois[m]));
    Ecrire(0, 13, QStringLiteral("Annuel"));
}

QString ResultatsGrille::Texte(int ligne, int colonne) const {
    const QTableWidgetItem* cellule = item(ligne, colonne);
    return cellule ? cellule->text() : QString();
}

QString ResultatsGrille::TexteCopie() const {
    // A heading selected alone stands for its whole row or column.
    int haut = 1, bas = NbLignes - 1, gauche = 1, droite = NbColonnes - 1;
    const QList<QTableWidgetSelectionRange> selection = selectedRanges();
    if (!selection.isEmpty()) {
        const QTableWidgetSelectionRange& s = selection.first();
        if (s.bottomRow() >= 1) {
            haut = std::max(1, s.topRow());
            bas = s.bottomRow();
        }
        if (s.rightColumn() >= 1) {
            gauche = std::max(1, s.leftColumn());
            droite = s.rightColumn();
        }
    }
    const auto ligneCopiee = [&](int ligne) {
        QString texte = Texte(ligne, 0);
        for (int c = gauche; c <= droite; ++c)
            texte += QLatin1Char('\t') + Texte(ligne, c);
        return texte + QLatin1Char('\n');
    };
    QString texte = ligneCopiee(0);
    for (int ligne = haut; ligne <= bas; ++ligne)
        texte += ligneCopiee(ligne);
    return texte;
}

void ResultatsGrille::Copier() const {
    QGuiApplication::clipboard()->setText(TexteCopie());
}

bool ResultatsGrille::event(QEvent* evenement) {
    if (evenement->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(evenement)->matches(QKeySequence::Copy)) {
        evenement->accept();
        return true;
    }
    return QTableWidget::event(evenement);
}

void ResultatsGrille::keyPressEvent(QKeyEvent* evenement) {
    // The view's own copy takes one cell without its headings.
    if (evenement->matches(QKeySequence::Copy)) {
        Copier();
        evenement->accept();
        return;
    }
    QTableWidget::keyPressEvent(evenement);
}

void ResultatsGrille::Ecrire(int ligne, int colonne, const QString& texte) {
    item(ligne, colonne)->setText(texte);
}

void ResultatsGrille::EcrireEnTetes() {
    for (int l = 1; l < NbLignes; ++l)
        Ecrire(l, 0, QString::fromUtf8(EnTetesLignes[l]));
}

void ResultatsGrille::AfficherResultats(const DonneesResultats& r, bool calculAuto) {
    EcrireEnTetes();
    if (!calculAuto) {
        for (int l = 1; l < NbLignes; ++l)
            for (int c = 1; c < NbColonnes; ++c)
                Ecrire(l, c, QString());
        return;
    }
    // The per-m² cells of a one-piece water heater have no collector area to mean.
    const bool sansParM2 = r.ChauffeEau && r.Ac > 0;
    for (int m = 1; m <= 12; ++m) {
        Ecrire(1, m, Entier(r.Fecs[m]));
        Ecrire(2, m, Entier(r.Becs[m]));
        Ecrire(3, m, Entier(r.Prod[m]));
        // A total area of 0 gives no quotient: the cell stays empty.
        const bool quotient = !sansParM2 && r.surface_totale != 0;
        Ecrire(4, m,
               quotient ? Entier(static_cast<double>(r.Prod[m]) / r.surface_totale) : QString());
    }
    Ecrire(1, 13, Entier(r.Fecs_an));
    Ecrire(2, 13, Entier(r.Becs_an));
    Ecrire(3, 13, Entier(ProductiviteAnnuelle(r)));
    Ecrire(4, 13, r.ChauffeEau ? QString() : Entier(r.Productivite_par_m2));
}
