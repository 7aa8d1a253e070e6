// varquin-cli import-epw: the twelve-month series that the station dialog would take
// from an EnergyPlus weather file, printed for checking.

#include "cli/Commandes.h"
#include "common/Citation.h"
#include "common/Erreurs.h"
#include "common/Texte.h"
#include "data/ImportEpw.h"
#include "data/modTexte.h"

#include <array>
#include <cstdio>
#include <iomanip>
#include <iostream>

namespace {

const char* const Mois[13] = {"",     "Jan", "Fév", "Mar", "Avr", "Mai", "Jui",
                              "Juil", "Aou", "Sep", "Oct", "Nov", "Déc"};

// Decimals shown: those of the monthly climate tables the import is checked against.
constexpr int DecimalesGh = 3;
constexpr int DecimalesTemperature = 2;

std::string Point(std::string nombre) {
    return Remplacer(nombre, ",", ".");
}

std::string Latitude(const StationEpw& s) {
    return FormatNombre(s.latitude) + "°" + s.hemisphere;
}

void Tableau(const StationEpw& s, std::ostream& sortie) {
    sortie << "Station : " << s.nom << '\n'
           << "Latitude : " << Latitude(s) << "   Longitude : " << FormatNombre(s.longitude)
           << "°\n"
           << "Altitude : " << FormatNombre(s.altitude) << " m\n"
           << "Source : " << s.source << (s.wmo.empty() ? "" : ", OMM " + s.wmo) << '\n'
           << "Zone : " << s.zone << " (distance à la mer et population à choisir)\n"
           << "Heures : " << s.heures << " (manquantes : rayonnement " << s.manquantesGh
           << ", température " << s.manquantesText << ")\n\n"
           << "Mois  Gh [kWh/(m².j)]  Text [°C]  Tef [°C]\n";
    for (std::size_t m = 1; m <= 12; ++m) {
        sortie << TexteFixe(Mois[m], 4) << std::setw(17) << FormatDecimales(s.Gh[m], DecimalesGh)
               << std::setw(11) << FormatDecimales(s.Text[m], DecimalesTemperature) << std::setw(10)
               << FormatDecimales(s.Tef[m], DecimalesTemperature) << '\n';
    }
}

// Semicolons and decimal commas, as a French spreadsheet reads them.
std::string ChampCsv(const std::string& texte) {
    if (texte.find_first_of(";\"") == std::string::npos)
        return texte;
    return "\"" + Remplacer(texte, "\"", "\"\"") + "\"";
}

void Csv(const StationEpw& s, std::ostream& sortie) {
    sortie << "station;latitude;altitude;mois;Gh;Text;Tef\n";
    for (std::size_t m = 1; m <= 12; ++m) {
        sortie << ChampCsv(s.nom) << ';' << Latitude(s) << ';' << FormatNombre(s.altitude) << ';'
               << m << ';' << FormatDecimales(s.Gh[m], DecimalesGh) << ';'
               << FormatDecimales(s.Text[m], DecimalesTemperature) << ';'
               << FormatDecimales(s.Tef[m], DecimalesTemperature) << '\n';
    }
}

std::string ChaineJson(const std::string& texte) {
    std::string r = "\"";
    for (const char c : texte) {
        if (c == '"' || c == '\\') {
            r += '\\';
            r += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char code[8];
            std::snprintf(code, sizeof code, "\\u%04x", static_cast<unsigned>(c));
            r += code;
        } else {
            r += c;
        }
    }
    return r + "\"";
}

std::string SerieJson(const std::array<float, 13>& serie, int decimales) {
    std::string r = "[";
    for (std::size_t m = 1; m <= 12; ++m)
        r += (m > 1 ? ", " : "") + Point(FormatDecimales(serie[m], decimales));
    return r + "]";
}

void Json(const StationEpw& s, std::ostream& sortie) {
    sortie << "{\n  \"station\": " << ChaineJson(s.nom)
           << ",\n  \"source\": " << ChaineJson(s.source) << ",\n  \"wmo\": " << ChaineJson(s.wmo)
           << ",\n  \"latitude\": " << Point(FormatNombre(s.latitude))
           << ",\n  \"hemisphere\": " << ChaineJson(s.hemisphere)
           << ",\n  \"longitude\": " << Point(FormatNombre(s.longitude))
           << ",\n  \"altitude\": " << Point(FormatNombre(s.altitude))
           << ",\n  \"zone\": " << ChaineJson(s.zone) << ",\n  \"classeMer\": " << s.classeMer
           << ",\n  \"classePopulation\": " << s.classePopulation << ",\n  \"heures\": " << s.heures
           << ",\n  \"manquantesGh\": " << s.manquantesGh
           << ",\n  \"manquantesText\": " << s.manquantesText
           << ",\n  \"Gh\": " << SerieJson(s.Gh, DecimalesGh)
           << ",\n  \"Text\": " << SerieJson(s.Text, DecimalesTemperature)
           << ",\n  \"Tef\": " << SerieJson(s.Tef, DecimalesTemperature) << "\n}\n";
}

int Usage(const std::string& raison) {
    std::cerr << "varquin-cli import-epw : " << raison
              << "\nUsage : varquin-cli import-epw FICHIER.epw [--format table|csv|json]\n";
    return 2;
}

} // namespace

int CommandeImportEpw(const Arguments& arguments) {
    std::string fichier, format = "table";
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        if (a == "--format" && i + 1 < arguments.size())
            format = arguments[++i];
        else if (a == "--format")
            return Usage("--format attend table, csv ou json.");
        else if (a.rfind("--format=", 0) == 0)
            format = a.substr(9);
        else if (a.rfind("--", 0) == 0 || !fichier.empty())
            return Usage("argument inattendu " + Citer(a) + ".");
        else
            fichier = a;
    }
    if (fichier.empty())
        return Usage("il manque le fichier météo.");
    if (format != "table" && format != "csv" && format != "json")
        return Usage("format " + Citer(format) + " inconnu.");
    try {
        const StationEpw s = ImporterEpw(fichier);
        if (format == "csv")
            Csv(s, std::cout);
        else if (format == "json")
            Json(s, std::cout);
        else
            Tableau(s, std::cout);
    } catch (const std::exception& e) {
        std::cerr << "varquin-cli import-epw : " << TexteException(e) << '\n';
        return 1;
    }
    return 0;
}
