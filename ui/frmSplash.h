#pragma once
// The about box, also shown while the reference data load at start-up.

#include <QDialog>

// "Version " and the first three numbers of the program's version.
QString TexteVersion();

class frmSplash : public QDialog {
    Q_OBJECT
public:
    // The maker's web page, opened by the web button.
    static const char* const AdresseWeb;

    explicit frmSplash(QWidget* parent = nullptr);

    // Shown without waiting and taking no clicks while the data load.
    void MontrerChargement();

    // "Ok": hidden, pending events processed, then closed.
    void accept() override;
};
