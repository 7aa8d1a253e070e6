#pragma once
// Who the study is for and who made it: the client, the site, the installer and the
// quote it belongs to. The method never reads it; the report prints it, and the
// project file keeps it in its extension section.

#include <optional>
#include <string>

struct clsDossier {
    std::string Client;
    std::string Adresse;      // the site's address
    std::string Commune;      // as the commune search names it ("Lyon (69)")
    std::string Installateur; // the installer's company
    std::string Contact;      // the installer's contact: a name, a telephone, a mail
    std::string Reference;    // of the quote
    std::string DateEtude;    // as the person writes it ("07/12/2026")

    bool operator==(const clsDossier&) const = default;
    bool Vide() const { return *this == clsDossier{}; }
};

// Longest text of a dossier value, in characters.
inline constexpr std::size_t LongueurDossierMax = 100;

// Why a dossier value cannot be kept (it would not survive the file: a tab or a line
// break, a character the file's encoding lacks, more than 100 characters), or nothing.
std::optional<std::string> RefusDossier(const std::string& valeur);
