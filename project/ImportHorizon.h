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

// Reads and reduces the survey file; ErreurFichier when it cannot be read,
// ErreurExecution naming the file and the line for bad content.
std::vector<PointHorizon> ImporterHorizon(const std::string& chemin);
