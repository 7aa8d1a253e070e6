#include "engine/RapportCalcul.h"

void RapportCalcul::Numerote(NumeroMessage numero, std::initializer_list<std::string> parametres) {
    ListeParametres liste;
    std::size_t i = 1;
    for (const std::string& p : parametres) {
        if (i >= liste.size())
            break;
        liste[i++] = p;
    }
    Numerote(static_cast<int>(numero), liste);
}

void RapportCalcul::Numerote(int numero, const ListeParametres& parametres) {
    const std::string modele =
        (numero >= 0 && numero <= MessageMax) ? ::Messages[static_cast<std::size_t>(numero)] : "";
    messages_.push_back({numero, TexteMessage(modele, parametres)});
}

void RapportCalcul::Direct(const std::string& texte) {
    messages_.push_back({-1, texte});
}

void RapportCalcul::Refuser(const char* procedure, NumeroMessage numero) {
    refus_.push_back({procedure, static_cast<int>(numero)});
    Numerote(numero);
}

void RapportCalcul::Interrompre(const std::string& etape, const std::string& cause) {
    interrompu_ = true;
    etape_ = etape;
    cause_ = cause;
    Direct("Le calcul a été interrompu. " + cause);
}

void RapportCalcul::Ajouter(const RapportCalcul& autre) {
    messages_.insert(messages_.end(), autre.messages_.begin(), autre.messages_.end());
    refus_.insert(refus_.end(), autre.refus_.begin(), autre.refus_.end());
    if (autre.interrompu_ && !interrompu_) {
        interrompu_ = true;
        etape_ = autre.etape_;
        cause_ = autre.cause_;
    }
}

std::vector<std::string> RapportCalcul::MessagesAffiches(bool numerotes) const {
    std::vector<std::string> textes;
    for (const MessageCalcul& m : messages_) {
        if (!m.Numerote() || numerotes)
            textes.push_back(m.texte);
    }
    return textes;
}
