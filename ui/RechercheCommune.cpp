#include "ui/RechercheCommune.h"

#include "common/Notificateur.h"
#include "data/modCommunes.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QStringListModel>

namespace {
QString Q(const std::string& texte) {
    return QString::fromStdString(texte);
}

// "Lyon (69001…, Rhône)": enough to tell two communes of the same name apart.
QString Libelle(const Commune& c) {
    QString codes;
    if (!c.codesPostaux.empty())
        codes = Q(c.codesPostaux.front()) +
                (c.codesPostaux.size() > 1 ? QStringLiteral("…, ") : QStringLiteral(", "));
    return Q(c.nom) + QStringLiteral(" (") + codes + Q(c.departement) + QLatin1Char(')');
}
} // namespace

RechercheCommune::RechercheCommune(QWidget* parent)
    : QLineEdit(parent), completeur_(new QCompleter(this)), modele_(new QStringListModel(this)) {
    setObjectName(QStringLiteral("txtCommune"));
    setPlaceholderText(QStringLiteral("Commune ou code postal"));
    setToolTip(QStringLiteral("Chercher une commune par son nom ou son code postal : les "
                              "stations de son département sont alors proposées"));
    setClearButtonEnabled(true);
    // The list is made here, already sorted: the completer shows it as it is.
    completeur_->setModel(modele_);
    completeur_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completeur_->setMaxVisibleItems(12);
    completeur_->setWidget(this);
    connect(completeur_, qOverload<const QModelIndex&>(&QCompleter::activated), this,
            [this](const QModelIndex& index) { Choisir(index.row()); });
    connect(this, &QLineEdit::textEdited, this, &RechercheCommune::Chercher);
}

void RechercheCommune::Chercher(const QString& texte) {
    proposees_.clear();
    if (!indisponible_) {
        try {
            SablierActif sablier; // the first search reads the list of communes
            proposees_ = ChercherCommunes(texte.toStdString());
        } catch (const std::exception& e) {
            indisponible_ = true;
            notificateur().Message(std::string(e.what()) +
                                       "\nLa recherche par commune n'est pas disponible.",
                                   TitreApplication);
        }
    }
    QStringList libelles;
    for (const Commune* c : proposees_)
        libelles << Libelle(*c);
    modele_->setStringList(libelles);
    if (libelles.isEmpty()) {
        completeur_->popup()->hide();
        return;
    }
    completeur_->complete();
}

void RechercheCommune::Choisir(int rang) {
    if (rang < 0 || rang >= static_cast<int>(proposees_.size()))
        return;
    const Commune& c = *proposees_[static_cast<std::size_t>(rang)];
    setText(Q(c.nom));
    completeur_->popup()->hide();
    emit communeChoisie(Q(c.departement), Q(c.nom));
}
