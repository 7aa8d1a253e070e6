#pragma once
// The dialogs' values checked against their input rules before "Ok" takes them, with
// the words the project window and the command line use.

#include <string>
#include <vector>

class ChampSaisie;

// A dialog's field, the key of the input rule its value follows and, where several
// fields share a rule, what tells them apart in a message (a month, a point).
struct ControleChamp {
    ChampSaisie* champ = nullptr;
    const char* cle = "";
    std::string precision = {};
};

// Checks the fields the person edited, in order. One message tells every refusal
// (« <label> (<precision>) : <reason> », a line each); each refused field shows its
// previous value again and the first takes the focus; the dialog stays open. False
// when a value was refused.
bool ControlerChamps(const std::vector<ControleChamp>& champs);

// The field's messages name it with the label of the rule `cle`.
void ReglerChamp(ChampSaisie* champ, const char* cle);
