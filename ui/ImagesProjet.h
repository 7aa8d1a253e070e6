#pragma once
// The small images of the project window, drawn rather than shipped so that they stay
// sharp on any screen: the choice button in its normal and pressed looks, normal and
// large (picChoix, picChoix_, picChoixG, picChoix__), the section toggle (picSwap,
// picSwap_) and the three calculation-choice images (picCalcul 0, 1, 2).

#include <QPixmap>
#include <QString>

// Size in pixels of a normal and of a large choice button, and of a section toggle.
QSize TailleBoutonChoix(bool large);
QSize TailleBascule();
// Side in pixels of a calculation-choice image.
int TailleImageCalcul();

// The choice button: raised, or sunken while pressed.
QPixmap ImageBoutonChoix(bool large, bool enfonce);
// The section toggle: a chevron that points down when the section is folded (a click
// unfolds it) and up when it is open; sunken while pressed.
QPixmap ImageBascule(bool replie, bool enfonce);
// The image of calculation choice 0 "Calc. simple", 1 "Calc. détaillé" or
// 2 "Val. forcée"; any other code gives the image of 0, as the choice's code does.
QPixmap ImageTypeDeCalcul(int code);
// The label of the choice the image stands for.
QString LibelleImageCalcul(int code);
