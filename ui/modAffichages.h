#pragma once
// The display conventions shared by the project window and its dialogs: field
// colours, sizes given in twips, the two number formats and the window styling.

#include <QColor>
#include <QFont>
#include <QString>

class QWidget;

// Background of a field shown by the program, of a field edited and not yet
// validated, and of frames, combo boxes and picture buttons.
inline const QColor CouleurAffichee(0xFF, 0xFF, 0xFF);
inline const QColor CouleurModifiee(0xFF, 0xC0, 0x80);
inline const QColor CouleurCadre(0xC0, 0xC0, 0xC0);

// The font of the whole interface; fontconfig maps it to a metric-compatible face.
inline constexpr const char* PoliceInterface = "Arial";

// The interface font at a size in points. Weight and slant are always given, so a
// control never takes them from its parent (a frame's bold title, for instance).
QFont Police(int points, bool gras = false);

// A chart's surface: white behind it whatever the style, in the interface font at
// that size.
void PreparerGraphique(QWidget& graphique, int points);

// A length in twips (1440 per inch) as screen pixels, horizontally or vertically.
int PixelsX(int twips);
int PixelsY(int twips);

enum class FormatAffichage { DeuxDecimales, Entier };

// "0.00" with a decimal comma, or the integer part of (value + 0.5); a value that is
// not finite shows as an empty text, never "nan" or "inf".
QString TexteFormate(double valeur, FormatAffichage format);

// The dynamic property holding a control's tag; "R" marks a numeric field.
inline constexpr const char* ProprieteTag = "Tag";

// Styles every control of the window once, at its initialisation: text fields white,
// borderless, 330 twips high, bold Arial 8, right-aligned when tagged "R", emptied;
// frames flat and grey in bold Arial 10; combo boxes in Arial 8, 10 twips further
// right.
void StylerFenetre(QWidget* fenetre);

// The picture buttons: grey background, bold Arial 10, no border.
void StylerBoutonImage(QWidget* bouton);

// The background colour a widget paints its base with.
QColor CouleurFond(const QWidget* controle);
void DefinirCouleurFond(QWidget* controle, const QColor& couleur);
