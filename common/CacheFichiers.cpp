#include "common/CacheFichiers.h"

#include <algorithm>
#include <chrono>
#include <sys/stat.h>

namespace {
int64_t Nanosecondes(const timespec& t) {
    return static_cast<int64_t>(t.tv_sec) * 1000000000 + t.tv_nsec;
}

// Coarser than the timestamp granularity of any file system the data may sit on.
int64_t MargeStabilite = 2'000'000'000;
} // namespace

SignatureFichier LireSignature(const std::string& chemin) {
    struct stat etat {};
    if (::stat(chemin.c_str(), &etat) != 0 || !S_ISREG(etat.st_mode))
        return {};
    SignatureFichier s;
    s.existe = true;
    s.peripherique = static_cast<uint64_t>(etat.st_dev);
    s.inode = static_cast<uint64_t>(etat.st_ino);
    s.taille = static_cast<int64_t>(etat.st_size);
    s.modification = Nanosecondes(etat.st_mtim);
    s.changement = Nanosecondes(etat.st_ctim);
    return s;
}

void DefinirMargeStabilite(int64_t nanosecondes) {
    MargeStabilite = nanosecondes;
}

bool SignatureStable(const SignatureFichier& signature) {
    const int64_t maintenant = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                   std::chrono::system_clock::now().time_since_epoch())
                                   .count();
    const int64_t dernier = std::max(signature.modification, signature.changement);
    return maintenant - dernier > MargeStabilite;
}
