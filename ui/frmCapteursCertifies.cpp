#include "ui/frmCapteursCertifies.h"

#include "common/Notificateur.h"
#include "data/modBibliothequeCapteurs.h"
#include "data/modDonnees.h"
#include "data/modLibelles.h"
#include "data/modTexte.h"
#include "project/ElementsUtilisateur.h"
#include "project/clsprojet.h"
#include "ui/AffichageComposants.h"
#include "ui/modAffichages.h"
#include "ui/modDialogues.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace {
// The role holding a row's search key.
constexpr int RoleCle = Qt::UserRole + 1;

const char* const Entetes[] = {"Capteur",
                               "Type",
                               "η0,hem",
                               "η0,b",
                               "Kd",
                               "a1 [W/(m².K)]",
                               "a2 [W/(m².K²)]",
                               "K50",
                               "Surf. brute [m²]",
                               "Surf. ouverture [m²]",
                               "Bc",
                               "Kc [W/(m².K)]",
                               "Ac [m²]"};
constexpr int PremiereDerivee = 10; // Bc, Kc and Ac follow the datasheet

// Case and accents ignored: "Évacué" and "evacue" are the same key.
QString Cle(const QString& texte) {
    QString t = texte.normalized(QString::NormalizationForm_KD);
    t.removeIf([](QChar c) { return c.category() == QChar::Mark_NonSpacing; });
    return t.toCaseFolded();
}

class FiltreSansAccents : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;
    void Chercher(const QString& texte) {
        cle_ = Cle(texte.trimmed());
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int ligne, const QModelIndex& parent) const override {
        const QModelIndex i = sourceModel()->index(ligne, 0, parent);
        return cle_.isEmpty() || i.data(RoleCle).toString().contains(cle_);
    }

private:
    QString cle_;
};

QStandardItem* Valeur(const std::optional<double>& v) {
    auto* item = new QStandardItem(v ? QString::fromStdString(FormatNombre(*v)) : QString());
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

QString Texte(const std::string& s) {
    return QString::fromStdString(s);
}

// A datasheet's row: its values, then the method's, in bold on a tint.
QList<QStandardItem*> Ligne(const FicheCapteur& f, const QFont& gras) {
    const ValeursMethodeCapteur v = ValeursMethode(f);
    auto* nom = new QStandardItem(Texte(f.Nom));
    const QString genre =
        f.Genre == GenreCapteur::Plan ? QStringLiteral("Plan") : QStringLiteral("Tubes sous vide");
    nom->setData(Cle(Texte(f.Nom) + QLatin1Char(' ') + genre), RoleCle);
    QList<QStandardItem*> ligne{nom,
                                new QStandardItem(genre),
                                Valeur(f.Eta0Hem),
                                Valeur(f.Eta0b),
                                Valeur(f.Kd),
                                Valeur(f.a1),
                                Valeur(f.a2),
                                Valeur(f.K50),
                                Valeur(f.SurfaceBrute),
                                Valeur(f.SurfaceOuverture),
                                Valeur(v.Bc),
                                Valeur(v.Kc),
                                Valeur(v.Ac)};
    for (int c = PremiereDerivee; c < ligne.size(); ++c) {
        ligne[c]->setFont(gras);
        ligne[c]->setBackground(QColor(0xE8, 0xF0, 0xFF));
    }
    return ligne;
}

} // namespace

frmCapteursCertifies::frmCapteursCertifies(clsprojet& projet, QWidget* parent)
    : QDialog(parent), projet_(projet) {
    setWindowTitle(QStringLiteral("Capteurs certifiés"));
    auto* formules = new QLabel(QStringLiteral(
        "Valeurs de la méthode : Bc = η0,hem, ou η0,b × (0,85 + 0,15 × Kd) quand seul η0,b "
        "est publié ;  Kc = a1 + a2 × 40 K ;  Ac = surface brute.  K50 est donné pour "
        "information."));
    formules->setObjectName(QStringLiteral("lblFormules"));
    formules->setWordWrap(true);
    etat_ = new QLabel;
    etat_->setObjectName(QStringLiteral("lblEtat"));
    const BoutonsDialogue boutons = CreerBoutons(this, "cmdAnnuler");
    choisir_ = boutons.ok;
    choisir_->setText(QStringLiteral("Choisir"));

    auto* disposition = new QVBoxLayout(this);
    disposition->addLayout(CreerRecherche());
    disposition->addWidget(CreerListe(), 1);
    disposition->addWidget(formules);
    disposition->addWidget(CreerCopie());
    disposition->addWidget(etat_);
    disposition->addLayout(boutons.rangee);
    StylerFenetre(this);
    Remplir();
}

QLayout* frmCapteursCertifies::CreerRecherche() {
    recherche_ = new QLineEdit;
    recherche_->setObjectName(QStringLiteral("txtRecherche"));
    recherche_->setPlaceholderText(QStringLiteral("Rechercher un capteur"));
    recherche_->setClearButtonEnabled(true);
    auto* importer = new QPushButton(QStringLiteral("Importer un fichier CSV..."));
    importer->setObjectName(QStringLiteral("cmdImporter"));
    importer->setAutoDefault(false);
    connect(importer, &QPushButton::clicked, this, [this] {
        const QString chemin = QFileDialog::getOpenFileName(
            this, QStringLiteral("Importer des capteurs certifiés"), QString(),
            QStringLiteral("Fichiers CSV (*.csv *.txt);;Tous les fichiers (*)"));
        if (!chemin.isEmpty())
            Importer(chemin);
    });
    auto* haut = new QHBoxLayout;
    haut->addWidget(new QLabel(QStringLiteral("Rechercher :")));
    haut->addWidget(recherche_, 1);
    haut->addWidget(importer);
    return haut;
}

QWidget* frmCapteursCertifies::CreerListe() {
    modele_ = new QStandardItemModel(this);
    auto* filtre = new FiltreSansAccents(this);
    filtre->setSourceModel(modele_);
    filtre_ = filtre;
    connect(recherche_, &QLineEdit::textChanged, this,
            [filtre](const QString& texte) { filtre->Chercher(texte); });
    liste_ = new QTableView;
    liste_->setObjectName(QStringLiteral("lstCapteurs"));
    liste_->setModel(filtre_);
    liste_->setSelectionBehavior(QAbstractItemView::SelectRows);
    liste_->setSelectionMode(QAbstractItemView::SingleSelection);
    liste_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    liste_->verticalHeader()->hide();
    liste_->setMinimumHeight(PixelsY(3600));
    connect(liste_, &QTableView::doubleClicked, this, &frmCapteursCertifies::accept);
    connect(liste_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &frmCapteursCertifies::SurSelection);
    return liste_;
}

QWidget* frmCapteursCertifies::CreerCopie() {
    auto* cadre = new QGroupBox(QStringLiteral("Copier dans le catalogue des capteurs"));
    cadre->setObjectName(QStringLiteral("fCopie"));
    auto* formulaire = new QFormLayout(cadre);
    formulaire->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    typeMethode_ = new QComboBox;
    typeMethode_->setObjectName(QStringLiteral("cmbTypeMethode"));
    for (const auto& [categorie, code] : CategoriesCapteurs())
        typeMethode_->addItem(Texte(categorie), code);
    entree_ = new QComboBox;
    entree_->setObjectName(QStringLiteral("cmbEntree"));
    for (const std::string& nom : EntreesUtilisateur(ElementCatalogue::Capteur))
        entree_->addItem(Texte(nom));
    // The project's own collector, when it is one of the person's, is the one to replace.
    const int courante = entree_->findText(Texte(projet_.Capteurs->strType()));
    entree_->setCurrentIndex(std::max(courante, 0));
    formulaire->addRow(QStringLiteral("Type pour la méthode"), typeMethode_);
    formulaire->addRow(QStringLiteral("Entrée à remplacer"), entree_);
    return cadre;
}

void frmCapteursCertifies::Remplir() {
    try {
        fiches_ = LireBibliothequeCapteurs();
    } catch (const std::exception& e) {
        fiches_.clear();
        notificateur().Message(e.what(), TitreApplication);
    }
    modele_->clear();
    QStringList entetes;
    for (const char* entete : Entetes)
        entetes << QString::fromUtf8(entete);
    modele_->setHorizontalHeaderLabels(entetes);
    QFont gras = liste_->font();
    gras.setBold(true);
    for (const FicheCapteur& f : fiches_)
        modele_->appendRow(Ligne(f, gras));
    liste_->resizeColumnsToContents();
    // Every column in sight, the method's values included.
    const int largeur = liste_->horizontalHeader()->length() + 2 * liste_->frameWidth() +
                        liste_->verticalScrollBar()->sizeHint().width();
    liste_->setMinimumWidth(std::max(largeur, PixelsX(9000)));
    if (fiches_.empty())
        etat_->setText(QStringLiteral("La bibliothèque est vide : importez un fichier CSV de "
                                      "fiches certifiées (voir le format dans le README)."));
}

const FicheCapteur* frmCapteursCertifies::FicheChoisie() const {
    const QModelIndex choisie =
        filtre_->mapToSource(liste_->selectionModel()->selectedRows().value(0));
    if (!choisie.isValid())
        return nullptr;
    return &fiches_.at(static_cast<std::size_t>(choisie.row()));
}

void frmCapteursCertifies::SurSelection() {
    const FicheCapteur* f = FicheChoisie();
    if (f == nullptr)
        return;
    const int type = typeMethode_->findData(TypeProbable(*f));
    if (type >= 0)
        typeMethode_->setCurrentIndex(type);
    // A datasheet already copied replaces its own entry.
    const int meme = entree_->findText(Texte(f->Nom + "*"));
    if (meme >= 0)
        entree_->setCurrentIndex(meme);
}

bool frmCapteursCertifies::Importer(const QString& chemin) {
    try {
        const std::size_t n = ImporterCapteurs(chemin.toStdString());
        Remplir();
        etat_->setText((n > 1 ? QStringLiteral("%1 capteurs importés de « %2 ».")
                              : QStringLiteral("%1 capteur importé de « %2 »."))
                           .arg(n)
                           .arg(QFileInfo(chemin).fileName()));
        MontrerAvisCopieUtilisateur(this);
        return true;
    } catch (const std::exception& e) {
        notificateur().Message(e.what(), TitreApplication);
        return false;
    }
}

bool frmCapteursCertifies::Copier(const FicheCapteur& f) {
    const auto type = static_cast<int16_t>(
        typeMethode_->count() > 0 ? typeMethode_->currentData().toInt() : TypeProbable(f));
    MontrerAvisCopieUtilisateur(
        this, ChoisirCapteurCertifie(projet_, f, type, entree_->currentText().toStdString()));
    return true;
}

void frmCapteursCertifies::accept() {
    const FicheCapteur* f = FicheChoisie();
    if (f == nullptr) {
        notificateur().Message("Choisissez un capteur de la liste.", TitreApplication);
        return;
    }
    try {
        if (!Copier(*f))
            return;
    } catch (const std::exception& e) {
        notificateur().Message(e.what(), TitreApplication);
        return;
    }
    QDialog::accept();
}

void OuvrirCapteursCertifies(clsprojet& projet, QWidget* parent) {
    frmCapteursCertifies dialogue(projet, parent);
    dialogue.exec();
    (void)projet.SimulerORIN(true);
}
