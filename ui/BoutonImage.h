#pragma once
// The picture buttons of the project window (pic 0..32 and the three section
// toggles) and the calculation-choice indicators (picc) beside some fields.

#include <QAbstractButton>
#include <QLabel>

class BoutonImage : public QAbstractButton {
    Q_OBJECT
public:
    enum class Genre {
        Choix,      // picChoix: opens a list, steps through values or switches a flag
        ChoixLarge, // picChoixG: the same, larger (the buttons tagged "G")
        Bascule,    // picSwap: folds or unfolds a section
    };

    BoutonImage(Genre genre, int index, QWidget* parent = nullptr);

    Genre genre() const { return genre_; }
    int Index() const { return index_; }

    // Keeps the pressed look while the button's action runs, whatever the mouse does.
    void DefinirEnfonce(bool enfonce);
    bool Enfonce() const { return enfonce_ || isDown(); }
    // A section toggle shows whether its section is folded.
    void DefinirReplie(bool replie);
    bool Replie() const { return replie_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* evenement) override;

private:
    Genre genre_;
    int index_;
    bool enfonce_ = false;
    bool replie_ = false;
};

// The image of a calculation choice (0, 1 or 2) beside the field it governs.
class IndicateurCalcul : public QLabel {
    Q_OBJECT
public:
    explicit IndicateurCalcul(QWidget* parent = nullptr);
    void Afficher(int code);
    int Code() const { return code_; }

private:
    int code_ = -1;
};
