#pragma once
// The subcommands of varquin-cli. Each takes the arguments that follow its name and
// returns the process exit code.

#include <string>
#include <vector>

using Arguments = std::vector<std::string>;

// varquin-cli info [--data DIR]: runs the start-up load and prints what it loaded.
int CommandeInfo(const Arguments& arguments);
// varquin-cli calc PROJECT.vqp [--format table|csv|json] [--set KEY=VALUE]... [--data DIR]
int CommandeCalc(const Arguments& arguments);
// varquin-cli sweep PROJECT.vqp [--collectors A:B[:STEP]] [--volumes MIN:MAX[:STEP]]
// [--format table|csv|json] [--set KEY=VALUE]... [--data DIR]: the sizing study.
int CommandeBalayage(const Arguments& arguments);
// varquin-cli new -o PROJECT.vqp [--set KEY=VALUE]... [--data DIR]
int CommandeNouveau(const Arguments& arguments);
// varquin-cli import-epw FICHIER.epw [--format table|csv|json]: the monthly series of a
// weather file, as the station dialog imports them.
int CommandeImportEpw(const Arguments& arguments);
// varquin-cli report PROJECT.vqp -o FILE.pdf [--set KEY=VALUE]... [--data DIR]: the
// printed report of the calculated project as a PDF, drawn offscreen.
int CommandeRapport(const Arguments& arguments);
// varquin-cli regles [--data DIR]: the table of input rules in Markdown.
int CommandeRegles(const Arguments& arguments);
