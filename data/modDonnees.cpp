#include "data/modDonnees.h"

#include "common/CacheFichiers.h"
#include "common/Chemins.h"
#include "common/Notificateur.h"
#include "data/ModCollection.h"
#include "data/modLibelles.h"

Table TablePays;
Table TableDepartements;
Table TableVilles;
Table TableStations;
Table TableStations2;
Table TableCapteurs;
Table TableCategorieCapteurs;
Table TableInclinaisons;
Table TableChauffeEau;
Table TableBallons;
Table TableSituations;
Table TableAlim;
Table TableISBallon;
Table TableISTuyaux;
Table TableEchange;
Table TableOrientations;

Collection<clsDonnees> Stations;
const std::vector<std::string> ColonnesStation = {"Latitude", "Zone", "D1", "D2", "D3"};

const std::vector<FichierReference>& FichiersReference() {
    static const std::vector<FichierReference> fichiers = {
        {fichier::Pays, &TablePays},
        {fichier::Departements, &TableDepartements},
        {fichier::Villes, &TableVilles},
        {fichier::Stations, &TableStations},
        {fichier::Stations2, &TableStations2},
        {fichier::Capteurs, &TableCapteurs},
        {fichier::CategorieCapteurs, &TableCategorieCapteurs},
        {fichier::Inclinaisons, &TableInclinaisons},
        {fichier::ChauffeEau, &TableChauffeEau},
        {fichier::Ballons, &TableBallons},
        {fichier::Situations, &TableSituations},
        {fichier::Alim, &TableAlim},
        {fichier::ISBallon, &TableISBallon},
        {fichier::ISTuyaux, &TableISTuyaux},
        {fichier::Echange, &TableEchange},
    };
    return fichiers;
}

void ChargerDonnees() {
    SablierActif sablier;
    for (const FichierReference& f : FichiersReference()) {
        const std::string chemin = CheminInstall(f.chemin);
        // Stati_Fr is read twice: into the station collection, then as a table.
        if (f.table == &TableStations)
            ChargerCollection(chemin, Stations, ColonnesStation);
        LireTable(chemin, *f.table);
    }
}

void ChargerOrientations(const std::string& hemisphere) {
    const char* relatif = hemisphere == "S" ? fichier::OrientationsSud : fichier::OrientationsNord;
    // The hemisphere is set at every opening and every calculation: the table read last
    // is used again as long as it is asked for in the same data folder and its file is
    // unchanged.
    static struct {
        std::string dossier, relatif, chemin;
        SignatureFichier signature;
        Table table;
    } lue;
    if (!lue.chemin.empty() && lue.dossier == InstallDir && lue.relatif == relatif &&
        LireSignature(lue.chemin) == lue.signature) {
        TableOrientations = lue.table;
    } else {
        const std::string chemin = CheminInstall(relatif);
        const SignatureFichier signature = LireSignature(chemin);
        LireTable(chemin, TableOrientations);
        const bool stable = signature.existe && SignatureStable(signature);
        lue = {InstallDir, relatif, stable ? chemin : std::string(), signature, TableOrientations};
    }
    RemplirListe(17, TableOrientations);
}
