#pragma once
// The heat loss of the collector loop's pipes: length, outer diameter, insulation
// thickness and the insulation's conductivity, which the insulation-material button
// takes from the insulation catalogue.

#include <QDialog>

class ChampSaisie;
class QToolButton;
class clsBoucle;

class frmDeperdition : public QDialog {
    Q_OBJECT
public:
    explicit frmDeperdition(clsBoucle& boucle, QWidget* parent = nullptr);

    ChampSaisie* txtL() const { return txtL_; }
    ChampSaisie* txtPhit() const { return txtPhit_; }
    ChampSaisie* txtEit() const { return txtEit_; }
    ChampSaisie* txtLit() const { return txtLit_; }
    QToolButton* picIsolant() const { return picIsolant_; }

    // The material at position `index` (from 0) of the insulation list: its
    // conductivity into txtLit.
    void ChoisirIsolant(int index);

    void accept() override;

private:
    void AfficherDeperdition();

    clsBoucle& boucle_;
    ChampSaisie* txtL_;
    ChampSaisie* txtPhit_;
    ChampSaisie* txtEit_;
    ChampSaisie* txtLit_;
    QToolButton* picIsolant_;
};
