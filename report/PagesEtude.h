#pragma once
// The pages of the study that follow the one-page summary, drawn with QPainter as text
// and vector shapes like the summary: the inputs, the monthly table and chart, the
// economic study and the productivity per m² against its threshold, and for a
// calculated collector-and-tank project the sizing curves.

#include "project/ContenuEtude.h"

class QPainter;
class QRectF;

// How many pages the study adds after the summary.
int NbPagesEtude(const ContenuEtude& contenu);

// Study page `page` (0 for the first after the summary) into `feuille`, the whole sheet
// in the painter's coordinates, numbered `numero` of `total`.
void DessinerPageEtude(QPainter& p, const QRectF& feuille, const ContenuEtude& contenu, int page,
                       int numero, int total);
