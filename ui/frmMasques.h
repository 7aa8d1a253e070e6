#pragma once
// "Saisie des masques": the horizon seen from the collectors, as 2 to 20 points of
// azimuth and angular height. The azimuths are preset evenly from -130 to +130
// degrees; the two ends stay fixed, the inner azimuths and every height can be typed.
// While the number of points is being edited, "Ok" is disabled: the rows shown do not
// match it until Enter rebuilds them. The chart shows the profile under the sun's
// paths at the project's latitude; a horizon surveyed on site can be imported from a
// two-column file.

#include <QDialog>
#include <vector>

class ChampSaisie;
class GraphiqueMasque;
class QVBoxLayout;
class QPushButton;
class clsMasque;
struct ImportHorizon;

class frmMasques : public QDialog {
    Q_OBJECT
public:
    explicit frmMasques(clsMasque& masque, QWidget* parent = nullptr);

    ChampSaisie* txtN() const { return txtN_; }
    int NbLignes() const { return static_cast<int>(lignes_.size()); }
    // Row i from 0: its azimuth and angular height.
    ChampSaisie* txtAzim(int i) const { return lignes_.at(static_cast<std::size_t>(i)).azimut; }
    ChampSaisie* txtHang(int i) const { return lignes_.at(static_cast<std::size_t>(i)).hauteur; }
    QPushButton* cmdOk() const { return ok_; }
    GraphiqueMasque* Graphique() const { return graphique_; }

    // Fills the rows from a survey file (angle and height a line), reduced to the
    // dialog's 20 points at most, once the person confirmed what the reduction made of
    // it; a file that cannot be read or a bad line is refused with a message, and the
    // rows stay as they were, as they do when the person cancels. True when applied.
    bool ImporterFichier(const QString& chemin);

    void accept() override;

protected:
    // Shows the import's counts and profile; true for « Appliquer ».
    virtual bool ConfirmerImport(const ImportHorizon& import);

private:
    struct Ligne {
        QWidget* rangee; // holds the two fields
        ChampSaisie* azimut;
        ChampSaisie* hauteur;
    };
    void ValiderNombre();
    void ConstruireLignes(int n);
    void AfficherAzimut(int i, double azimut);
    ChampSaisie* ChampPoint(const QString& nom);
    void Tracer();

    clsMasque& masque_;
    ChampSaisie* txtN_;
    QWidget* points_;
    QVBoxLayout* colonne_;
    std::vector<Ligne> lignes_;
    GraphiqueMasque* graphique_;
    QPushButton* ok_ = nullptr;
    bool importe_ = false; // a horizon was imported
    bool programme_ = false;
};
