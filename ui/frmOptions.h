#pragma once
// The options dialog: the calculation mode for this run of the program (automatic or
// on demand) and whether the calculation's numbered messages are shown. Nothing of
// it is saved.

#include <QDialog>

class QCheckBox;
class QRadioButton;

class frmOptions : public QDialog {
    Q_OBJECT
public:
    explicit frmOptions(QWidget* parent = nullptr);

    QRadioButton* OptCalculAuto() const { return optCalculAuto_; }
    QRadioButton* OptCalculDemande() const { return optCalculDemande_; }
    QCheckBox* ChkMessages() const { return chkMessages_; }

    // OK: the choices become the program's; the dialog closes.
    void accept() override;

protected:
    void showEvent(QShowEvent* evenement) override;

private:
    QRadioButton* optCalculAuto_;
    QRadioButton* optCalculDemande_;
    QCheckBox* chkMessages_;
};
