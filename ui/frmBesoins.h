#pragma once
// The monthly needs: the daily hot-water consumption and the hot-water temperature of
// each month, with their averages. An average typed by the person is copied into its
// twelve months; a month typed changes its average at once.

#include <QDialog>
#include <array>

class ChampSaisie;
class QPushButton;
class clsBesoin;

class frmBesoins : public QDialog {
    Q_OBJECT
public:
    explicit frmBesoins(clsBesoin& besoin, QWidget* parent = nullptr);

    // Month m from 1 to 12.
    ChampSaisie* txtConso(int mois) const { return conso_.mois.at(mois - 1); }
    ChampSaisie* txtTeau(int mois) const { return teau_.mois.at(mois - 1); }
    ChampSaisie* txtMoyConso() const { return conso_.moyenne; }
    ChampSaisie* txtMoyTeau() const { return teau_.moyenne; }
    QPushButton* cmdOk() const { return ok_; }

    void accept() override;

private:
    struct Serie {
        std::array<ChampSaisie*, 12> mois{};
        ChampSaisie* moyenne = nullptr;
    };
    void CreerSerie(Serie& serie, const char* nom, const char* nomMoyenne);
    void Relier(Serie& serie);
    void Afficher();
    void CalculerMoyenne(Serie& serie);
    void CopierMoyenne(Serie& serie);

    clsBesoin& besoin_;
    Serie conso_;
    Serie teau_;
    QPushButton* ok_ = nullptr;
    // True while the program writes into the fields: what it writes does not cascade.
    bool programme_ = false;
};
