#pragma once
// Reading and writing the system's text files. Files are Windows-1252 with CR LF line
// ends; readers also take LF-only lines and UTF-8. Writers always write Windows-1252
// with CR LF, through a temporary file renamed over the target so that a failed write
// never destroys the previous file.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// What a file is read as, which bounds its size: a project file (1 Mio), a table or
// other file of the data folder (16 Mio), an hourly weather file (64 Mio).
enum class GenreFichier { Projet, Donnees, Meteo };
std::uintmax_t TailleMaximale(GenreFichier genre);

// Every reader opens its file through these. Before anything is read, a folder, a
// device or a pipe is refused by name, and so is a file larger than its kind allows
// (checked again while reading, for files whose size the system does not give).
// Throws ErreurFichier with a French text naming the file.
std::string LireOctetsFichier(const std::string& chemin, GenreFichier genre);
// The whole file decoded to UTF-8, every line end turned into CR LF.
std::string LireFichierTexte(const std::string& chemin, GenreFichier genre);

// A file read line by line, for files too large to hold in memory at once: only the
// line being read is kept. Lines end with CR LF, LF or CR; a line longer than
// `longueurMax` bytes is refused (ErreurFichier naming the file and the line).
class LecteurLignes {
public:
    LecteurLignes(const std::string& chemin, GenreFichier genre, std::size_t longueurMax);
    // The lines of a text already in memory; `chemin` names it in messages.
    LecteurLignes(std::string_view texte, const std::string& chemin, std::size_t longueurMax);
    ~LecteurLignes();
    LecteurLignes(const LecteurLignes&) = delete;
    LecteurLignes& operator=(const LecteurLignes&) = delete;

    // The next line, without its end, as bytes of the file; valid until the next call.
    // False at the end of the file.
    bool Suivante(std::string_view& ligne);
    // Number of the line last returned, from 1.
    std::size_t Numero() const { return numero_; }

private:
    bool Lire(); // more bytes from the file; false at its end

    std::string chemin_;
    int fd_ = -1;
    GenreFichier genre_ = GenreFichier::Donnees;
    std::uintmax_t lus_ = 0;
    std::size_t longueurMax_;
    std::string tampon_;
    std::string_view texte_; // the text, or the unread part of tampon_
    std::size_t position_ = 0;
    bool fin_ = false;
    std::size_t numero_ = 0;
};

// Writes the UTF-8 text as Windows-1252; every line end becomes CR LF.
// Throws ErreurFichier on any failure; the previous file is then unchanged.
void EcrireFichierTexte(const std::string& chemin, const std::string& texte);

// Writes raw bytes atomically (temporary file, flush, rename). Throws ErreurFichier.
void EcrireFichierAtomique(const std::string& chemin, const std::string& octets);

// CR LF for every line end (CR LF, lone LF or lone CR).
std::string NormaliserFinsDeLigne(const std::string& texte);

// Test hook: when set, EcrireFichierAtomique fails after writing this many bytes of
// the temporary file, as a full disk would. -1 (the default) disables it.
void SimulerEchecEcriture(long octetsAvantEchec);
