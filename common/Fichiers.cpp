#include "common/Fichiers.h"

#include "common/Encodage.h"
#include "common/Erreurs.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
long gOctetsAvantEchec = -1;

std::string Guillemets(const std::string& chemin) {
    return "« " + chemin + " »";
}
} // namespace

void SimulerEchecEcriture(long octetsAvantEchec) {
    gOctetsAvantEchec = octetsAvantEchec;
}

std::string NormaliserFinsDeLigne(const std::string& texte) {
    std::string r;
    r.reserve(texte.size() + texte.size() / 32);
    for (std::size_t i = 0; i < texte.size(); ++i) {
        const char c = texte[i];
        if (c == '\r') {
            r += "\r\n";
            if (i + 1 < texte.size() && texte[i + 1] == '\n')
                ++i;
        } else if (c == '\n') {
            r += "\r\n";
        } else {
            r += c;
        }
    }
    return r;
}

std::string LireFichierTexte(const std::string& chemin) {
    std::FILE* f = std::fopen(chemin.c_str(), "rb");
    if (!f)
        throw ErreurFichier("Impossible d'ouvrir le fichier " + Guillemets(chemin) + ".");
    std::string octets;
    char tampon[65536];
    std::size_t n;
    while ((n = std::fread(tampon, 1, sizeof tampon, f)) > 0)
        octets.append(tampon, n);
    const bool erreur = std::ferror(f) != 0;
    std::fclose(f);
    if (erreur)
        throw ErreurFichier("Erreur de lecture du fichier " + Guillemets(chemin) + ".");
    return NormaliserFinsDeLigne(DecoderTexte(octets));
}

void EcrireFichierTexte(const std::string& chemin, const std::string& texte) {
    EcrireFichierAtomique(chemin, VersWindows1252(NormaliserFinsDeLigne(texte)));
}

void EcrireFichierAtomique(const std::string& chemin, const std::string& octets) {
    std::string modele = chemin + ".tmp-XXXXXX";
    const int fd = ::mkstemp(modele.data());
    if (fd < 0)
        throw ErreurFichier("Impossible d'écrire le fichier " + Guillemets(chemin) + " : " +
                            std::strerror(errno) + ".");
    const std::string temporaire = modele;
    auto echec = [&](const std::string& raison) {
        ::close(fd);
        ::unlink(temporaire.c_str());
        throw ErreurFichier("Impossible d'écrire le fichier " + Guillemets(chemin) + " : " +
                            raison + ".");
    };
    std::size_t ecrits = 0;
    while (ecrits < octets.size()) {
        std::size_t morceau = octets.size() - ecrits;
        if (gOctetsAvantEchec >= 0) {
            const auto reste = static_cast<std::size_t>(gOctetsAvantEchec);
            if (ecrits >= reste)
                echec("plus de place sur le disque");
            morceau = std::min(morceau, reste - ecrits);
        }
        const ssize_t n = ::write(fd, octets.data() + ecrits, morceau);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            echec(std::strerror(errno));
        }
        ecrits += static_cast<std::size_t>(n);
    }
    if (gOctetsAvantEchec >= 0 && octets.empty())
        echec("plus de place sur le disque");
    if (::fsync(fd) != 0)
        echec(std::strerror(errno));
    // mkstemp creates the file 0600; a saved file gets the usual permissions.
    const mode_t masque = ::umask(0);
    ::umask(masque);
    (void)::fchmod(fd, 0666 & ~masque);
    if (::close(fd) != 0) {
        ::unlink(temporaire.c_str());
        throw ErreurFichier("Impossible d'écrire le fichier " + Guillemets(chemin) + ".");
    }
    if (std::rename(temporaire.c_str(), chemin.c_str()) != 0) {
        const std::string raison = std::strerror(errno);
        ::unlink(temporaire.c_str());
        throw ErreurFichier("Impossible d'écrire le fichier " + Guillemets(chemin) + " : " +
                            raison + ".");
    }
}
