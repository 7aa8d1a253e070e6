#include "ui/BoutonImage.h"

#include "ui/ImagesProjet.h"
#include "ui/modAffichages.h"

#include <QPainter>

BoutonImage::BoutonImage(Genre genre, int index, QWidget* parent)
    : QAbstractButton(parent), genre_(genre), index_(index) {
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
    setFixedSize(sizeHint());
    // Pressed on MouseDown, normal again on MouseUp: QAbstractButton's own down state.
    connect(this, &QAbstractButton::pressed, this, qOverload<>(&QWidget::update));
    connect(this, &QAbstractButton::released, this, qOverload<>(&QWidget::update));
}

QSize BoutonImage::sizeHint() const {
    if (genre_ == Genre::Bascule)
        return TailleBascule();
    return TailleBoutonChoix(genre_ == Genre::ChoixLarge);
}

void BoutonImage::DefinirEnfonce(bool enfonce) {
    enfonce_ = enfonce;
    // Drawn at once: the action that follows may keep the event loop busy.
    repaint();
}

void BoutonImage::DefinirReplie(bool replie) {
    replie_ = replie;
    setToolTip(replie ? QStringLiteral("Déplier la section")
                      : QStringLiteral("Replier la section"));
    update();
}

void BoutonImage::paintEvent(QPaintEvent*) {
    QPainter p(this);
    // A button that cannot act now shows faded.
    if (!isEnabled())
        p.setOpacity(0.35);
    const QPixmap image = genre_ == Genre::Bascule
                              ? ImageBascule(replie_, Enfonce())
                              : ImageBoutonChoix(genre_ == Genre::ChoixLarge, Enfonce());
    p.drawPixmap(0, 0, image);
}

IndicateurCalcul::IndicateurCalcul(QWidget* parent) : QLabel(parent) {
    const int cote = TailleImageCalcul();
    setFixedSize(cote, cote);
    Afficher(0);
}

void IndicateurCalcul::Afficher(int code) {
    if (code == code_)
        return;
    code_ = code;
    setPixmap(ImageTypeDeCalcul(code));
    setToolTip(LibelleImageCalcul(code));
}
