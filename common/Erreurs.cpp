#include "common/Erreurs.h"

#include "common/Citation.h"

#include <cerrno>
#include <cmath>
#include <filesystem>
#include <new>

namespace {
bool CommenceParVoyelle(std::string_view s) {
    for (std::string_view v : {"a", "e", "i", "o", "u", "y", "A", "E", "I", "O", "U", "Y", "é",
                               "è", "ê", "à", "â", "î", "ô", "É", "È", "Ê", "À", "Â", "Î", "Ô"}) {
        if (s.starts_with(v))
            return true;
    }
    return false;
}

struct TexteErrno {
    int numero;
    const char* texte;
};

constexpr TexteErrno kTextesErrno[] = {
    {EACCES, "Permission refusée"},
    {EPERM, "Opération non permise"},
    {ENOENT, "Fichier ou dossier introuvable"},
    {ENOSPC, "Espace disque insuffisant"},
    {EDQUOT, "Quota de disque dépassé"},
    {EISDIR, "Est un dossier"},
    {ENOTDIR, "Un élément du chemin n'est pas un dossier"},
    {EROFS, "Système de fichiers en lecture seule"},
    {EEXIST, "Le fichier existe déjà"},
    {ENOTEMPTY, "Le dossier n'est pas vide"},
    {ENAMETOOLONG, "Nom de fichier trop long"},
    {ELOOP, "Trop de liens symboliques"},
    {EMFILE, "Trop de fichiers ouverts"},
    {ENFILE, "Trop de fichiers ouverts dans le système"},
    {EIO, "Erreur d'entrée-sortie"},
    {ENOMEM, "Mémoire insuffisante"},
    {EBUSY, "Périphérique ou ressource occupé"},
    {ETXTBSY, "Fichier occupé"},
    {EFBIG, "Fichier trop grand"},
    {EXDEV, "Déplacement impossible d'un système de fichiers à un autre"},
    {EINVAL, "Argument invalide"},
    {ENXIO, "Périphérique ou adresse introuvable"},
    {ENODEV, "Périphérique introuvable"},
    {EAGAIN, "Ressource temporairement indisponible"},
    {EINTR, "Appel système interrompu"},
    {ESTALE, "Fichier distant devenu inaccessible"},
};
} // namespace

std::string De(std::string_view quoi) {
    if (quoi.starts_with("le "))
        return "du " + std::string(quoi.substr(3));
    if (quoi.starts_with("les "))
        return "des " + std::string(quoi.substr(4));
    return (CommenceParVoyelle(quoi) ? "d'" : "de ") + std::string(quoi);
}

double DivisionSure(double numerateur, double denominateur, const char* quoi) {
    if (denominateur == 0.0)
        throw ErreurArithmetique("Division par zéro dans le calcul " + De(quoi) + ".");
    return VerifierFini(numerateur / denominateur, quoi);
}

double VerifierFini(double valeur, const char* quoi) {
    if (!std::isfinite(valeur))
        throw ErreurArithmetique("Dépassement de capacité dans le calcul " + De(quoi) + ".");
    return valeur;
}

std::string TexteErreurSysteme(int numero) {
    for (const TexteErrno& t : kTextesErrno) {
        if (t.numero == numero)
            return t.texte;
    }
    return "erreur système n° " + std::to_string(numero);
}

std::string TexteErreurSysteme(const std::error_code& code) {
    const auto& categorie = code.category();
    if (categorie == std::generic_category() || categorie == std::system_category())
        return TexteErreurSysteme(code.value());
    return "erreur n° " + std::to_string(code.value());
}

std::string TexteException(const std::exception& e) {
    if (dynamic_cast<const ErreurExecution*>(&e))
        return e.what();
    if (const auto* fs = dynamic_cast<const std::filesystem::filesystem_error*>(&e)) {
        const std::string raison = TexteErreurSysteme(fs->code());
        if (fs->path1().empty())
            return "Opération sur les fichiers impossible : " + raison + ".";
        return "Opération impossible sur " + CiterChemin(fs->path1().string()) + " : " + raison +
               ".";
    }
    if (const auto* se = dynamic_cast<const std::system_error*>(&e))
        return "Erreur du système : " + TexteErreurSysteme(se->code()) + ".";
    if (dynamic_cast<const std::bad_alloc*>(&e))
        return "Mémoire insuffisante.";
    return "Erreur interne inattendue.";
}
