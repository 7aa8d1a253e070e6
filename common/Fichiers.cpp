#include "common/Fichiers.h"

#include "common/Citation.h"
#include "common/Encodage.h"
#include "common/Erreurs.h"
#include "common/Nombres.h"
#include "common/Texte.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
long gOctetsAvantEchec = -1;

// Bytes asked of the system at each read.
constexpr std::size_t Morceau = 64 * 1024;

// Closes the file when the reader leaves, whatever happens.
struct Descripteur {
    int fd = -1;
    ~Descripteur() {
        if (fd >= 0)
            ::close(fd);
    }
};

const char* NomGenre(GenreFichier genre) {
    switch (genre) {
    case GenreFichier::Projet:
        return "un fichier de projet";
    case GenreFichier::Meteo:
        return "un fichier météo";
    default:
        return "un fichier de données";
    }
}

// Rounded up, so that a file just over its limit does not read as equal to it.
std::string Mio(std::uintmax_t octets) {
    return EcrireFixe(std::ceil(static_cast<double>(octets) / (1 << 20) * 10) / 10, 1);
}

[[noreturn]] void Refuser(const std::string& chemin, const std::string& raison) {
    throw ErreurFichier("Impossible de lire le fichier " + CiterChemin(chemin) + " : " + raison +
                        ".");
}

[[noreturn]] void RefuserTaille(const std::string& chemin, std::uintmax_t taille,
                                GenreFichier genre) {
    Refuser(chemin, "il est trop grand (" + Mio(taille) + " Mio, et " + NomGenre(genre) +
                        " en compte au plus " + std::to_string(TailleMaximale(genre) >> 20) + ")");
}

// The file opened for reading once it is known to be a regular file within its
// kind's size; its size in `taille`.
int Ouvrir(const std::string& chemin, GenreFichier genre, std::uintmax_t& taille) {
    if (chemin.empty())
        throw ErreurFichier("Aucun fichier n'est indiqué : le nom du fichier est vide.");
    // Without O_NONBLOCK, opening a pipe would wait for a writer.
    Descripteur d{::open(chemin.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
    if (d.fd < 0)
        throw ErreurFichier("Impossible d'ouvrir le fichier " + CiterChemin(chemin) + " : " +
                            TexteErreurSysteme(errno) + ".");
    struct stat etat {};
    if (::fstat(d.fd, &etat) != 0)
        Refuser(chemin, TexteErreurSysteme(errno));
    if (S_ISDIR(etat.st_mode))
        Refuser(chemin, "c'est un dossier, pas un fichier");
    if (!S_ISREG(etat.st_mode))
        Refuser(chemin, "ce n'est pas un fichier ordinaire (périphérique, tube ou prise)");
    taille = static_cast<std::uintmax_t>(etat.st_size);
    if (taille > TailleMaximale(genre))
        RefuserTaille(chemin, taille, genre);
    const int fd = d.fd;
    d.fd = -1;
    return fd;
}

// Reads up to n bytes, again after a signal; the count, or throws.
std::size_t LireMorceau(int fd, char* p, std::size_t n, const std::string& chemin) {
    for (;;) {
        const ssize_t r = ::read(fd, p, n);
        if (r >= 0)
            return static_cast<std::size_t>(r);
        if (errno != EINTR)
            throw ErreurFichier("Erreur de lecture du fichier " + CiterChemin(chemin) + " : " +
                                TexteErreurSysteme(errno) + ".");
    }
}
} // namespace

std::uintmax_t TailleMaximale(GenreFichier genre) {
    switch (genre) {
    case GenreFichier::Projet:
        return 1u << 20;
    case GenreFichier::Meteo:
        return 64u << 20;
    default:
        return 16u << 20;
    }
}

std::string LireOctetsFichier(const std::string& chemin, GenreFichier genre) {
    std::uintmax_t taille = 0;
    const Descripteur d{Ouvrir(chemin, genre, taille)};
    // Room for the size found at opening and one byte more, so that the read that finds
    // the end needs no other buffer; a file that grew meanwhile is read on by pieces. (A
    // piece of buffer per read, zeroed each time, cost more than reading the data
    // folder's small files.)
    std::string octets(static_cast<std::size_t>(taille) + 1, '\0');
    std::size_t lus = 0;
    for (;;) {
        if (lus == octets.size())
            octets.resize(lus + Morceau);
        const std::size_t n = LireMorceau(d.fd, octets.data() + lus, octets.size() - lus, chemin);
        lus += n;
        if (lus > TailleMaximale(genre))
            RefuserTaille(chemin, lus, genre);
        if (n == 0) {
            octets.resize(lus);
            return octets;
        }
    }
}

std::string LireFichierTexte(const std::string& chemin, GenreFichier genre) {
    return NormaliserFinsDeLigne(DecoderTexte(LireOctetsFichier(chemin, genre)));
}

LecteurLignes::LecteurLignes(const std::string& chemin, GenreFichier genre, std::size_t longueurMax)
    : chemin_(chemin), genre_(genre), longueurMax_(longueurMax) {
    std::uintmax_t taille = 0;
    fd_ = Ouvrir(chemin, genre, taille);
}

LecteurLignes::LecteurLignes(std::string_view texte, const std::string& chemin,
                             std::size_t longueurMax)
    : chemin_(chemin), longueurMax_(longueurMax), texte_(texte), fin_(true) {}

LecteurLignes::~LecteurLignes() {
    if (fd_ >= 0)
        ::close(fd_);
}

bool LecteurLignes::Lire() {
    if (fin_)
        return false;
    // What is left is at most one unfinished line: moving it is bounded by its length.
    tampon_.erase(0, position_);
    position_ = 0;
    const std::size_t avant = tampon_.size();
    tampon_.resize(avant + Morceau);
    const std::size_t n = LireMorceau(fd_, tampon_.data() + avant, Morceau, chemin_);
    tampon_.resize(avant + n);
    texte_ = tampon_;
    lus_ += n;
    if (lus_ > TailleMaximale(genre_))
        RefuserTaille(chemin_, lus_, genre_);
    fin_ = n == 0;
    return !fin_;
}

bool LecteurLignes::Suivante(std::string_view& ligne) {
    for (;;) {
        const std::string_view reste = texte_.substr(position_);
        const std::size_t p = FinDeLigne(reste);
        // A CR that ends what has been read may have its LF in the next bytes.
        if (p != std::string_view::npos && (reste[p] == '\n' || p + 1 < reste.size() || fin_)) {
            if (p > longueurMax_)
                break;
            ligne = reste.substr(0, p);
            position_ += p + (reste.substr(p, 2) == "\r\n" ? 2 : 1);
            ++numero_;
            return true;
        }
        if (reste.size() > longueurMax_)
            break;
        if (!Lire()) {
            const std::string_view derniere = texte_.substr(position_);
            if (FinDeLigne(derniere) != std::string_view::npos)
                continue; // a final CR, now known to be one
            if (derniere.empty())
                return false;
            ligne = derniere;
            position_ = texte_.size();
            ++numero_;
            return true;
        }
    }
    Refuser(chemin_, "la ligne " + std::to_string(numero_ + 1) + " dépasse " +
                         std::to_string(longueurMax_) + " caractères");
}

void SimulerEchecEcriture(long octetsAvantEchec) {
    gOctetsAvantEchec = octetsAvantEchec;
}

std::string NormaliserFinsDeLigne(const std::string& texte) {
    std::string r;
    r.reserve(texte.size() + texte.size() / 32);
    for (std::size_t i = 0; i < texte.size();) {
        const std::size_t fin = std::min(FinDeLigne(texte, i), texte.size());
        r.append(texte, i, fin - i);
        if (fin == texte.size())
            break;
        r += "\r\n";
        const bool crlf = texte[fin] == '\r' && fin + 1 < texte.size() && texte[fin + 1] == '\n';
        i = fin + (crlf ? 2 : 1);
    }
    return r;
}

void EcrireFichierTexte(const std::string& chemin, const std::string& texte) {
    EcrireFichierAtomique(chemin, VersWindows1252(NormaliserFinsDeLigne(texte)));
}

void EcrireFichierAtomique(const std::string& chemin, const std::string& octets) {
    std::string modele = chemin + ".tmp-XXXXXX";
    const int fd = ::mkstemp(modele.data());
    if (fd < 0)
        throw ErreurFichier("Impossible d'écrire le fichier " + CiterChemin(chemin) + " : " +
                            TexteErreurSysteme(errno) + ".");
    const std::string temporaire = modele;
    auto echec = [&](const std::string& raison) {
        ::close(fd);
        ::unlink(temporaire.c_str());
        throw ErreurFichier("Impossible d'écrire le fichier " + CiterChemin(chemin) + " : " +
                            raison + ".");
    };
    std::size_t ecrits = 0;
    while (ecrits < octets.size()) {
        std::size_t morceau = octets.size() - ecrits;
        if (gOctetsAvantEchec >= 0) {
            const auto reste = static_cast<std::size_t>(gOctetsAvantEchec);
            if (ecrits >= reste)
                echec(TexteErreurSysteme(ENOSPC));
            morceau = std::min(morceau, reste - ecrits);
        }
        const ssize_t n = ::write(fd, octets.data() + ecrits, morceau);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            echec(TexteErreurSysteme(errno));
        }
        ecrits += static_cast<std::size_t>(n);
    }
    if (gOctetsAvantEchec >= 0 && octets.empty())
        echec(TexteErreurSysteme(ENOSPC));
    if (::fsync(fd) != 0)
        echec(TexteErreurSysteme(errno));
    // mkstemp creates the file 0600; a saved file gets the usual permissions.
    const mode_t masque = ::umask(0);
    ::umask(masque);
    (void)::fchmod(fd, 0666 & ~masque);
    if (::close(fd) != 0) {
        ::unlink(temporaire.c_str());
        throw ErreurFichier("Impossible d'écrire le fichier " + CiterChemin(chemin) + ".");
    }
    if (std::rename(temporaire.c_str(), chemin.c_str()) != 0) {
        const std::string raison = TexteErreurSysteme(errno);
        ::unlink(temporaire.c_str());
        throw ErreurFichier("Impossible d'écrire le fichier " + CiterChemin(chemin) + " : " +
                            raison + ".");
    }
}
