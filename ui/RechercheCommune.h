#pragma once
// The commune search beside the station choice: typing part of a town's name or the
// start of its postcode lists the matching communes under the field; choosing one
// gives its department, whose stations the project window then proposes. The list of
// communes is read the first time something is typed, not at start-up.

#include <QLineEdit>
#include <vector>

class QCompleter;
class QStringListModel;
struct Commune;

class RechercheCommune : public QLineEdit {
    Q_OBJECT
public:
    explicit RechercheCommune(QWidget* parent = nullptr);

    // The communes offered for the text typed, in the order of the list shown.
    const std::vector<const Commune*>& Proposees() const { return proposees_; }
    QCompleter* Completeur() const { return completeur_; }

    // The commune of row `rang` of the list is chosen.
    void Choisir(int rang);

signals:
    // A commune was chosen: its department as the department table names it.
    void communeChoisie(const QString& departement, const QString& commune);

private:
    void Chercher(const QString& texte);

    QCompleter* completeur_;
    QStringListModel* modele_;
    std::vector<const Commune*> proposees_;
    bool indisponible_ = false; // the list of communes could not be read
};
