#pragma once
// A horizon measured on site, brought into the shading mask: the survey's points
// read from a two-column text file, then reduced to the points the mask dialog
// holds, between its two fixed ends.

#include <cstddef>
#include <string>
#include <vector>

// The ends of the mask's angle range (the mask dialog fixes them) and its largest
// number of points.
inline constexpr double AngleExtremeMasque = 130;
inline constexpr std::size_t PointsMasqueMax = 20;

struct PointHorizon {
    double angle = 0;   // [°], 0 = south, negative to the east
    double hauteur = 0; // [°] above the horizontal
};

// The points of a survey, one a line: angle then height in degrees, separated by ";"
// (decimal comma or point), a tab, blanks or "," (decimal point). Blank lines and
// lines beginning with "#" are skipped, and so is a first line without any digit
// (the column headings). Throws ErreurExecution naming the line for a line that is
// not two numbers, an angle outside -180..180 or a height outside 0..90, and when
// fewer than two points remain.
std::vector<PointHorizon> LireReleveHorizon(const std::string& texte);

// The height of the profile at an angle: linear between neighbouring points, the
// first or last point's height beyond them. The points are in increasing angles.
double HauteurHorizon(const std::vector<PointHorizon>& points, double angle);

// The profile between -130 and +130 degrees in at most `n` points (n >= 2): the
// points sorted by angle, cut at both ends (the heights there read on the profile),
// then the inner point whose removal changes the area under the profile least
// dropped, one at a time, until n remain.
std::vector<PointHorizon> ReduireHorizon(std::vector<PointHorizon> points,
                                         std::size_t n = PointsMasqueMax);

// What an import made of a survey, for the person to check before the mask takes it:
// every point read is either kept in the profile, merged into the straight line
// between its neighbours to fit the mask's points, or set aside beyond ±130° (it may
// still give the height at the nearest end). The ends at ±130° are added to the
// profile when the survey has no point there:
// lus - fusionnes - ecartes + ajoutes = points.size().
struct ImportHorizon {
    std::vector<PointHorizon> points; // the profile the mask gets, from -130 to +130°
    std::size_t lus = 0;
    std::size_t fusionnes = 0;
    std::size_t ecartes = 0;
    std::size_t ajoutes = 0; // ends at ±130° read on the survey, not in it
};

// The survey reduced by ReduireHorizon, with its counts.
ImportHorizon ReduireReleve(const std::vector<PointHorizon>& releve,
                            std::size_t n = PointsMasqueMax);

// « 37 points lus, 4 fusionnés, 3 écartés au-delà de ±130° : le profil garde 20
// points », then the ends added, if any.
std::string BilanImportHorizon(const ImportHorizon& import);

// Reads and reduces the survey file; ErreurFichier when it cannot be read,
// ErreurExecution naming the file and the line for bad content.
ImportHorizon ImporterHorizon(const std::string& chemin);
