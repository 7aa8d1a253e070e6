#include "ui/frmImportHorizon.h"

#include "project/ImportHorizon.h"
#include "ui/modAffichages.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

frmImportHorizon::frmImportHorizon(const ImportHorizon& import, QWidget* parent)
    : QDialog(parent), bilan_(new QLabel(QString::fromStdString(BilanImportHorizon(import)))),
      profil_(new QTableWidget(static_cast<int>(import.points.size()), 2)),
      appliquer_(new QPushButton(QStringLiteral("Appliquer"))),
      annuler_(new QPushButton(QStringLiteral("Annuler"))) {
    setWindowTitle(QStringLiteral("Importer un relevé d'horizon"));
    bilan_->setObjectName(QStringLiteral("lblBilan"));
    bilan_->setWordWrap(true);

    profil_->setObjectName(QStringLiteral("tblProfil"));
    profil_->setHorizontalHeaderLabels(
        {QStringLiteral("Azimut [°]"), QStringLiteral("H. angulaire [°]")});
    profil_->verticalHeader()->hide();
    profil_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    profil_->setSelectionMode(QAbstractItemView::NoSelection);
    profil_->setFocusPolicy(Qt::NoFocus);
    for (int i = 0; i < profil_->rowCount(); ++i) {
        const PointHorizon& p = import.points[static_cast<std::size_t>(i)];
        for (const auto& [colonne, valeur] : {std::pair{0, p.angle}, {1, p.hauteur}}) {
            auto* cellule =
                new QTableWidgetItem(TexteFormate(valeur, FormatAffichage::DeuxDecimales));
            cellule->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            profil_->setItem(i, colonne, cellule);
        }
    }
    // The whole profile in sight: at most 20 short rows, no scrolling.
    profil_->resizeColumnsToContents();
    profil_->resizeRowsToContents();
    profil_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    profil_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    int largeur = 2 * profil_->frameWidth(), hauteur = largeur;
    for (int c = 0; c < 2; ++c) {
        profil_->setColumnWidth(c, std::max(profil_->columnWidth(c), PixelsX(1300)));
        largeur += profil_->columnWidth(c);
    }
    hauteur += profil_->horizontalHeader()->sizeHint().height();
    for (int i = 0; i < profil_->rowCount(); ++i)
        hauteur += profil_->rowHeight(i);
    profil_->setFixedSize(largeur, hauteur);
    bilan_->setFixedWidth(std::max(largeur, PixelsX(5000)));

    appliquer_->setObjectName(QStringLiteral("cmdAppliquer"));
    annuler_->setObjectName(QStringLiteral("cmdAnnuler"));
    appliquer_->setDefault(true);
    annuler_->setAutoDefault(false);
    connect(appliquer_, &QPushButton::clicked, this, &QDialog::accept);
    connect(annuler_, &QPushButton::clicked, this, &QDialog::reject);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(appliquer_);
    boutons->addWidget(annuler_);

    auto* disposition = new QVBoxLayout(this);
    disposition->addWidget(bilan_);
    disposition->addWidget(profil_, 0, Qt::AlignHCenter);
    disposition->addLayout(boutons);
    disposition->setSizeConstraint(QLayout::SetFixedSize);
}
