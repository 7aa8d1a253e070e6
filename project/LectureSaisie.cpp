#include "project/LectureSaisie.h"

#include "common/Citation.h"
#include "common/Nombres.h"
#include "data/modDonnees.h"
#include "data/modLibelles.h"
#include "data/modTexte.h"
#include "project/ReglesSaisie.h"
#include "project/ValeursFichier.h"

#include <cmath>

std::string Guillemets(const std::string& texte) {
    return Citer(texte);
}

std::vector<double> LireValeurs(const std::string& texte, std::size_t maximum) {
    std::string reste = texte;
    for (char& c : reste) {
        if (c == ';' || c == '\t')
            c = ' ';
    }
    std::vector<double> valeurs;
    for (std::string mot; !(mot = LireMot(reste, " ")).empty();) {
        const auto v = LireNombre(mot);
        if (!v)
            throw ErreurParametre(Guillemets(mot) + " n'est pas un nombre");
        valeurs.push_back(*v);
    }
    if (valeurs.empty() || valeurs.size() > maximum)
        throw ErreurParametre("il faut de 1 à " + std::to_string(maximum) + " valeurs");
    if (maximum == 12 && valeurs.size() != 1 && valeurs.size() != 12)
        throw ErreurParametre("il faut une valeur pour tous les mois, ou douze");
    return valeurs;
}

void LireSerie(const std::string& texte, std::size_t maximum, CollectionNombres& serie) {
    std::vector<double> valeurs = LireValeurs(texte, maximum);
    // The value is copied first: assign() may free the storage it would be read from.
    if (maximum == 12 && valeurs.size() == 1)
        valeurs.assign(12, double(valeurs[0]));
    serie.Clear();
    for (double v : valeurs)
        serie.Add(v);
}

int16_t LireEntierArrondi(const std::string& texte) {
    return LireEntier(texte);
}

std::vector<std::string> ItemsListe(int liste) {
    std::vector<std::string> items;
    if (liste < 0 || liste > LibelleListeMax)
        return items;
    for (const std::string& item : Libelles[static_cast<std::size_t>(liste)]) {
        if (item.empty())
            break;
        items.push_back(item);
    }
    return items;
}

std::string LibelleChoix(const std::string& texte) {
    const auto items = ItemsListe(Liste::ChoixCalcul);
    for (const std::string& item : items) {
        if (item == texte)
            return item;
    }
    const std::string t = Rogner(texte);
    if (t.empty())
        return LibelleTypeDeCalcul(0);
    const auto code = LireNombre(t);
    if (code && (*code == 0 || *code == 1 || *code == 2))
        return LibelleTypeDeCalcul(static_cast<int>(*code));
    throw ErreurParametre(Guillemets(texte) +
                          " n'est ni un choix de calcul (« Calc. simple », « "
                          "Calc. détaillé », « Val. forcée ») ni son code 0, 1 ou 2");
}

std::optional<double> NombreDuLibelle(int liste, const std::string& libelle) {
    const Table* table = liste == Liste::Inclinaisons   ? &TableInclinaisons
                         : liste == Liste::Orientations ? &TableOrientations
                                                        : nullptr;
    if (!table || IndiceEntree(*table, libelle) == 0)
        return std::nullopt;
    double valeur = 0;
    LireValeursTable(*table, libelle, {&valeur});
    return valeur;
}
