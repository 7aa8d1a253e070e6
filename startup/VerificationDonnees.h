#pragma once
// The check of the data folder at start-up, so that a folder the calculator accepts is
// one it can calculate with, and a damaged one is named before any project is opened.

#include <string>
#include <vector>

// On the data loaded from InstallDir by ChargerDonnees: every file a calculation reads
// (the messages, the tables of the loading order, the orientation files of both
// hemispheres, the Soleil series, MatAlpha and the G_ tables of every station's
// latitude bands, and the economic tables when the folder has them) is a regular file
// within its size that holds data lines, each line reading as its reader expects it;
// every choice list and every step of the country, department and station cascade
// fits its 151 items, and every station offered is in Stati_Fr. Returns the faults,
// each a French text naming the file and, for a line, its number (one fault per file
// at most); empty when the folder is usable.
std::vector<std::string> VerifierDossierDonnees();

// The faults as one message naming the folder (at most ten faults listed).
std::string TexteVerification(const std::vector<std::string>& defauts);
