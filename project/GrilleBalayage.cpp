#include "project/GrilleBalayage.h"

#include "data/modDonnees.h"
#include "data/modTexte.h"
#include "project/ReglesSaisie.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
// What the charts show at most per curve: more counts than this only crowd them.
constexpr int NbNombresAutour = 30;
constexpr std::size_t NbBallonsAutour = 5;

void RefuserChauffeEau(const EnregistrementCalcul& c) {
    if (c.Classe_Systeme == ClasseSysteme::ChauffeEauMonobloc)
        throw ErreurParametre("Un chauffe-eau solaire monobloc n'a ni nombre de capteurs ni "
                              "ballon à faire varier : le dimensionnement ne s'applique qu'aux "
                              "systèmes à capteurs et ballon séparés.");
}

void Verifier(const char* cle, const std::string& valeur) {
    if (const auto refus = VerifierValeur(TrouverRegle(cle), valeur, nullptr))
        throw ErreurParametre(*refus);
}

bool AvantBallon(const BallonBalayage& a, const BallonBalayage& b) {
    return a.Vn < b.Vn || (a.Vn == b.Vn && a.projet && !b.projet);
}

// Every tank a name of the catalogue selects (an entry hidden by a later one of the
// same name is not one the project can get), and the project's own, by volume with
// the project's first among equal volumes.
std::vector<BallonBalayage> Candidats(const EnregistrementCalcul& c) {
    std::vector<BallonBalayage> ballons{{c.Type_ballon, c.Vn, c.Vs, c.cr, true}};
    for (int k = 1; k < static_cast<int>(TableBallons.size()); ++k) {
        const std::string& nom = TableBallons[static_cast<std::size_t>(k)].Commentaire;
        if (IndiceEntree(TableBallons, nom) != k)
            continue;
        BallonBalayage b{nom};
        LireValeursTable(TableBallons, k, {&b.Vn, &b.Vs, &b.cr});
        ballons.push_back(std::move(b));
    }
    std::stable_sort(ballons.begin(), ballons.end(), AvantBallon);
    return ballons;
}

// The first tank of each volume, or of each step from `debut`; the project's own
// wherever it is.
std::vector<BallonBalayage> Eclaircir(const std::vector<BallonBalayage>& tries, double debut,
                                      double pas) {
    std::vector<BallonBalayage> retenus;
    double derniere = std::numeric_limits<double>::quiet_NaN();
    for (const BallonBalayage& b : tries) {
        const double classe = pas > 0 ? std::floor((b.Vn - debut) / pas) : b.Vn;
        if (!retenus.empty() && classe == derniere) {
            if (b.projet)
                retenus.back() = b;
            continue;
        }
        retenus.push_back(b);
        derniere = classe;
    }
    return retenus;
}

void InsererNombre(std::vector<int>& nombres, int n) {
    const auto position = std::lower_bound(nombres.begin(), nombres.end(), n);
    if (position == nombres.end() || *position != n)
        nombres.insert(position, n);
}
} // namespace

std::vector<int> NombresBalayage(const EnregistrementCalcul& c, int debut, int fin, int pas) {
    RefuserChauffeEau(c);
    Verifier("Nb_Capteurs", std::to_string(debut));
    Verifier("Nb_Capteurs", std::to_string(fin));
    std::vector<int> nombres;
    for (int n = debut; n <= fin; n += std::max(pas, 1))
        nombres.push_back(n);
    InsererNombre(nombres, c.Nb_Capteurs);
    return nombres;
}

std::vector<BallonBalayage> BallonsBalayage(const EnregistrementCalcul& c, double vnMin,
                                            double vnMax, double pas) {
    RefuserChauffeEau(c);
    Verifier("Vn", FormatNombre(vnMin));
    Verifier("Vn", FormatNombre(vnMax));
    std::vector<BallonBalayage> dansPlage;
    for (BallonBalayage& b : Candidats(c)) {
        if (b.projet || (b.Vn >= vnMin && b.Vn <= vnMax))
            dansPlage.push_back(std::move(b));
    }
    return Eclaircir(dansPlage, vnMin, pas);
}

GrilleBalayage GrilleAutourDuProjet(const EnregistrementCalcul& c) {
    GrilleBalayage g;
    const int fin = std::clamp(2 * static_cast<int>(c.Nb_Capteurs), 6, 999);
    const int pas = (fin + NbNombresAutour - 1) / NbNombresAutour;
    for (int n = 1; n <= fin; n += pas)
        g.nombres.push_back(n);
    InsererNombre(g.nombres, c.Nb_Capteurs);
    const std::vector<BallonBalayage> tous = Eclaircir(Candidats(c), 0, 0);
    const auto projet = std::find_if(tous.begin(), tous.end(), [](auto& b) { return b.projet; });
    const std::size_t i = static_cast<std::size_t>(projet - tous.begin());
    const std::size_t debut = std::min(i - std::min<std::size_t>(i, NbBallonsAutour / 2),
                                       tous.size() - std::min(tous.size(), NbBallonsAutour));
    const std::size_t n = std::min(NbBallonsAutour, tous.size() - debut);
    g.ballons.assign(tous.begin() + static_cast<std::ptrdiff_t>(debut),
                     tous.begin() + static_cast<std::ptrdiff_t>(debut + n));
    return g;
}

void VerifierGrille(const EnregistrementCalcul& c, const GrilleBalayage& grille) {
    RefuserChauffeEau(c);
    for (const int n : grille.nombres)
        Verifier("Nb_Capteurs", std::to_string(n));
    for (const BallonBalayage& b : grille.ballons) {
        Verifier("Vn", FormatNombre(b.Vn));
        Verifier("cr", FormatNombre(b.cr));
        if (c.TypeDeCalculVs == ChoixCalcul::ValeurForcee)
            Verifier("Vs", FormatNombre(b.Vs));
    }
}

GrilleBalayage AvecPointProjet(const EnregistrementCalcul& c, GrilleBalayage grille) {
    InsererNombre(grille.nombres, c.Nb_Capteurs);
    auto& ballons = grille.ballons;
    if (std::none_of(ballons.begin(), ballons.end(), [](auto& b) { return b.projet; })) {
        const BallonBalayage projet{c.Type_ballon, c.Vn, c.Vs, c.cr, true};
        ballons.insert(std::upper_bound(ballons.begin(), ballons.end(), projet, AvantBallon),
                       projet);
    }
    return grille;
}
