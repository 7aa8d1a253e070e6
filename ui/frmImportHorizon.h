#pragma once
// « Importer un relevé d'horizon »: what the import made of a survey, its counts and
// the profile the mask would get, shown before anything in the mask changes.
// « Appliquer » accepts it, « Annuler » leaves the mask as it was.

#include <QDialog>

struct ImportHorizon;
class QLabel;
class QPushButton;
class QTableWidget;

class frmImportHorizon : public QDialog {
    Q_OBJECT
public:
    explicit frmImportHorizon(const ImportHorizon& import, QWidget* parent = nullptr);

    QLabel* lblBilan() const { return bilan_; }
    QTableWidget* tblProfil() const { return profil_; }
    QPushButton* cmdAppliquer() const { return appliquer_; }
    QPushButton* cmdAnnuler() const { return annuler_; }

private:
    QLabel* bilan_;
    QTableWidget* profil_;
    QPushButton* appliquer_;
    QPushButton* annuler_;
};
