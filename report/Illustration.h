#pragma once
// The program's picture: a sun over a house roof carrying solar collectors, drawn
// rather than shipped so that it stays sharp at any size. Used by the main window's
// background, the about box and the printed report's heading; it lives with the report,
// which the window may include and never the other way round.

class QPainter;
class QRectF;

// Draws the picture scaled into the rectangle (its proportions are kept).
void DessinerIllustration(QPainter& p, const QRectF& cadre);
// The sun of the picture alone, filling the square: the program's icon.
void DessinerIcone(QPainter& p, const QRectF& cadre);
// The sky of the picture alone, as a vertical gradient over the rectangle.
void DessinerCiel(QPainter& p, const QRectF& cadre);
