#pragma once
// What one calculation run says: its messages in the order the stages raised them,
// the parameter procedures that refused their input, and whether it stopped before
// its end. The engine shows nothing; the window and the command line read the report
// and show it their own way.

#include "data/modMessages.h"

#include <string>
#include <vector>

// Message numbers the engine raises.
enum class NumeroMessage : int {
    FichierIntrouvable = 44,
    VsSansVn = 135,
    VcElecSansVn = 139,
    KtSansLongueur = 149,
    KtSansIsolant = 150,
    KSansSurface = 151,
    EtapSansSurface = 152,
    EtapSansK = 153,
    EtapEchangeurSepare = 154,
    EtapEchangeurIncorpore = 155,
    EtapEchangeurIncorporeDebit = 156,
    EtapSansEchangeur = 157,
    EtapEchangeurEgalite = 158,
    EtapDiviseurNul = 159,
    EtapClasseInconnue = 160,
    EtapNegatif = 161,
    KEchSansSurface = 162,
    KEchSansModele = 163,
    DebitSansSurface = 164,
    DebitSansEfficacite = 165,
    DebitSansCapacite = 166,
    DebitCapaciteNulle = 167,
    Debit2SansDebit1 = 168,
    FecsMois = 300,
    CsVide = 306,
    AlphaGVide = 307,
    DeltaVide = 308,
    NjVide = 309,
};

struct MessageCalcul {
    // The message's number in the messages file, or -1 for a text the method shows
    // directly (always shown, whatever the messages switch says).
    int numero = -1;
    std::string texte;
    bool Numerote() const { return numero >= 0; }
};

// A parameter procedure that refused its input: its name and the message it gave.
struct RefusParametre {
    std::string procedure;
    int numero = -1;
};

class [[nodiscard]] RapportCalcul {
public:
    // Message n of the messages file with its "%s" parameters.
    void Numerote(NumeroMessage numero, std::initializer_list<std::string> parametres = {});
    void Numerote(int numero, const ListeParametres& parametres);
    // A text shown as it is.
    void Direct(const std::string& texte);
    // The procedure refused its input with message n; the message joins the list.
    void Refuser(const char* procedure, NumeroMessage numero);
    // The run stopped at `etape` for `cause`; the message joins the list.
    void Interrompre(const std::string& etape, const std::string& cause);
    // The messages of another report, after this one's (a stage run on its own).
    void Ajouter(const RapportCalcul& autre);

    const std::vector<MessageCalcul>& Messages() const { return messages_; }
    const std::vector<RefusParametre>& Refus() const { return refus_; }
    bool Interrompu() const { return interrompu_; }
    bool Complet() const { return !interrompu_; }
    const std::string& Etape() const { return etape_; }
    const std::string& Cause() const { return cause_; }
    // The messages a person sees: the direct ones, and the numbered ones only when
    // numbered messages are switched on.
    std::vector<std::string> MessagesAffiches(bool numerotes) const;

private:
    std::vector<MessageCalcul> messages_;
    std::vector<RefusParametre> refus_;
    bool interrompu_ = false;
    std::string etape_;
    std::string cause_;
};

// The refusals of one parameter procedure: each goes to the report under the
// procedure's name, and the procedure is then known not to have completed.
class RefusProcedure {
public:
    RefusProcedure(RapportCalcul& rapport, const char* procedure)
        : rapport_(rapport), procedure_(procedure) {}
    void operator()(NumeroMessage numero) {
        rapport_.Refuser(procedure_, numero);
        reussi_ = false;
    }
    // Not completed, without a message (the method stays silent there).
    void Echec() { reussi_ = false; }
    bool Reussi() const { return reussi_; }

private:
    RapportCalcul& rapport_;
    const char* procedure_;
    bool reussi_ = true;
};
