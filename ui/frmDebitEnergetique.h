#pragma once
// One energy flow of the collector loop (flow 1 or 2): the flow given per square
// metre of collector or in total, and the fluid given by its heat capacity or by its
// antifreeze share. Only the quantity selected is kept; the other is set to 0, so the
// next opening selects what was confirmed.

#include <QDialog>

class ChampSaisie;
class QComboBox;
class QPushButton;
class clsBoucle;

class frmDebitEnergetique : public QDialog {
    Q_OBJECT
public:
    // `numero` 1 or 2: which of the loop's two flows is edited.
    frmDebitEnergetique(clsBoucle& boucle, int numero, QWidget* parent = nullptr);

    int Numero() const { return numero_; }
    QComboBox* cmbDebit() const { return cmbDebit_; }
    QComboBox* cmbThermique() const { return cmbThermique_; }
    ChampSaisie* txtDebit() const { return txtDebit_; }
    ChampSaisie* txtThermique() const { return txtThermique_; }

    void accept() override;

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    // The four stored quantities of the flow edited.
    struct Quantites {
        float* unitaire;
        float* total;
        float* cp;
        float* fa;
    };
    void AfficherDebit();
    void AfficherThermique();
    bool Unitaire() const;
    bool Antigel() const;

    int numero_;
    Quantites q_;
    QComboBox* cmbDebit_;
    QComboBox* cmbThermique_;
    ChampSaisie* txtDebit_;
    ChampSaisie* txtThermique_;
};
