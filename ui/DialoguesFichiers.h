#pragma once
// Qt's own file dialog in French whatever the desktop's language. Its headings come
// from Qt's French translations, but its file model writes sizes and dates in the
// system's locale, which the program cannot change once started (LANG=C gives
// "5.39 KiB", "7 Dec"), and Qt's French translations lack the type of a folder. A
// proxy over that model writes them in the program's French locale instead.

#include <QIdentityProxyModel>

class QApplication;
class QFileDialog;

class FichiersEnFrancais : public QIdentityProxyModel {
    Q_OBJECT
public:
    using QIdentityProxyModel::QIdentityProxyModel;
    // The columns of QFileSystemModel: name, size, type, date modified.
    QVariant data(const QModelIndex& index, int role) const override;
};

// Gives the dialog the French proxy (once; a native dialog is left as it is).
void FranciserDialogue(QFileDialog& dialogue);

// Every file dialog the application shows from now on, its own or Qt's static ones,
// gets the French proxy as it opens.
void FranciserDialoguesFichiers(QApplication& application);
