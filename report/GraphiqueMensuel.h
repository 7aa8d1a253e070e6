#pragma once
// The monthly chart of the report: the needs beside the solar energy, month by month,
// as bars on graduated kilowatt-hours under their legend. The summary page draws it in
// the room it has left, the detailed results page at a fixed height.

#include <array>

class QPainter;
class QRectF;

// The chart, its legend and its scale within `cadre`; a value that is not a number, or
// below zero, draws no bar.
void DessinerGraphiqueMensuel(QPainter& p, const QRectF& cadre,
                              const std::array<double, 12>& besoins,
                              const std::array<double, 12>& solaire);
