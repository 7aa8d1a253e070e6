#include "ui/DialoguesFichiers.h"

#include <QApplication>
#include <QDateTime>
#include <QEvent>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLocale>
#include <QTreeView>

namespace {
enum Colonne { Nom, Taille, Type, Date };
const QString NomSurveillant = QStringLiteral("dialoguesFichiersEnFrancais");

// Watches the windows that open for file dialogs.
class Surveillant : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override {
        if (evenement->type() == QEvent::Show) {
            if (auto* dialogue = qobject_cast<QFileDialog*>(objet))
                FranciserDialogue(*dialogue);
        }
        return QObject::eventFilter(objet, evenement);
    }
};
} // namespace

QVariant FichiersEnFrancais::data(const QModelIndex& index, int role) const {
    const auto* fichiers = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (role != Qt::DisplayRole || fichiers == nullptr || index.column() == Nom)
        return QIdentityProxyModel::data(index, role);
    const QFileInfo f = fichiers->fileInfo(mapToSource(index));
    // QLocale() is the program's French locale; the model would use the system's.
    const QLocale francais;
    switch (index.column()) {
    case Taille:
        if (f.isFile())
            return francais.formattedDataSize(f.size());
        break;
    case Type:
        if (f.isDir())
            return QStringLiteral("Dossier");
        break;
    case Date:
        if (f.lastModified().isValid())
            return francais.toString(f.lastModified(), QLocale::ShortFormat);
        break;
    default:
        break;
    }
    return QIdentityProxyModel::data(index, role);
}

void FranciserDialogue(QFileDialog& dialogue) {
    if (dialogue.proxyModel() != nullptr)
        return;
    auto* proxy = new FichiersEnFrancais(&dialogue);
    dialogue.setProxyModel(proxy);
    // The French headings and dates are longer than the English ones the columns were
    // sized for: once the folder is read, the other columns fit their contents and the
    // names take what they leave; the person may still widen any of them.
    auto* vue = dialogue.findChild<QTreeView*>(QStringLiteral("treeView"));
    auto* fichiers = qobject_cast<QFileSystemModel*>(proxy->sourceModel());
    if (vue == nullptr || fichiers == nullptr)
        return;
    vue->header()->setStretchLastSection(false);
    vue->header()->setSectionResizeMode(Nom, QHeaderView::Stretch);
    QObject::connect(fichiers, &QFileSystemModel::directoryLoaded, vue, [vue] {
        for (const int colonne : {Taille, Type, Date})
            vue->resizeColumnToContents(colonne);
    });
}

void FranciserDialoguesFichiers(QApplication& application) {
    if (application.findChild<QObject*>(NomSurveillant, Qt::FindDirectChildrenOnly) != nullptr)
        return;
    auto* surveillant = new Surveillant(&application);
    surveillant->setObjectName(NomSurveillant);
    application.installEventFilter(surveillant);
}
