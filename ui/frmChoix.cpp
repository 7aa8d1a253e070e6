#include "ui/frmChoix.h"

#include "common/Recherche.h"
#include "common/Texte.h"
#include "ui/Raccords.h"
#include "ui/modAffichages.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QScreen>

std::string ChoixTexte;
int ChoixIndex = -1;

namespace {
void Annuler() {
    ChoixTexte = "-1";
    ChoixIndex = -1;
}

bool EstSeparateur(const QString& texte) {
    return texte.startsWith(QLatin1String("--"));
}

// Beyond this many entries (a catalogue, the departments) a search field helps.
constexpr int EntreesSansRecherche = 5;
} // namespace

frmChoix::frmChoix(QWidget* parent)
    : QDialog(parent, Qt::Popup), liste_(new QListWidget(this)), filtre_(new QLineEdit(this)) {
    filtre_->setObjectName(QStringLiteral("txtFiltre"));
    filtre_->setFont(Police(8));
    filtre_->setPlaceholderText(QStringLiteral("Taper pour chercher"));
    filtre_->setClearButtonEnabled(true);
    filtre_->hide();
    filtre_->installEventFilter(this);
    connect(filtre_, &QLineEdit::textChanged, this, &frmChoix::Filtrer);
    connect(filtre_, &QLineEdit::returnPressed, this, [this] {
        QListWidgetItem* courante = liste_->currentItem();
        if (courante != nullptr && !courante->isHidden())
            Choisir(courante);
    });
    liste_->setFont(Police(8));
    liste_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    liste_->setUniformItemSizes(true);
    connect(liste_, &QListWidget::itemClicked, this, &frmChoix::Choisir);
    connect(liste_, &QListWidget::itemActivated, this, &frmChoix::Choisir);
    Annuler();
}

bool frmChoix::FillIn(const std::vector<std::string>& liste) {
    liste_->clear();
    for (const std::string& entree : liste) {
        if (entree.empty())
            break;
        liste_->addItem(QString::fromStdString(entree));
    }
    const int n = liste_->count();
    if (n == 0)
        return false;
    rangs_ = n < 9 ? n : 10;
    const QFontMetrics fm(liste_->font());
    int plusLarge = 0;
    for (int i = 0; i < n; ++i)
        plusLarge = std::max(plusLarge, fm.horizontalAdvance(liste_->item(i)->text()));
    // A row of the list is at least one text line; the style may make it taller.
    const int ligne = std::max(fm.height(), liste_->sizeHintForRow(0));
    liste_->setFixedSize(plusLarge + PixelsX(400), rangs_ * ligne + 2 * liste_->frameWidth());
    filtre_->clear();
    filtre_->setVisible(n > EntreesSansRecherche);
    const int recherche = filtre_->isHidden() ? 0 : filtre_->sizeHint().height() + 2;
    setFixedSize(plusLarge + PixelsX(550), recherche + liste_->height() + PixelsY(50));
    const int x = (width() - liste_->width()) / 2;
    const int y = (height() - recherche - liste_->height()) / 2;
    filtre_->setGeometry(x, y, liste_->width(), recherche - 2);
    liste_->move(x, y + recherche);
    liste_->setCurrentRow(0);
    return true;
}

void frmChoix::Filtrer(const QString& saisie) {
    const std::string cle = saisie.toStdString();
    int premiere = -1;
    for (int i = 0; i < liste_->count(); ++i) {
        const QString texte = liste_->item(i)->text();
        // Separators only make sense in the whole list.
        const bool garde = saisie.isEmpty() ? true
                                            : !EstSeparateur(texte) &&
                                                  CorrespondRecherche(texte.toStdString(), cle);
        liste_->setRowHidden(i, !garde);
        if (garde && premiere < 0 && !EstSeparateur(texte))
            premiere = i;
    }
    if (premiere >= 0)
        liste_->setCurrentRow(premiere);
}

bool frmChoix::eventFilter(QObject* objet, QEvent* evenement) {
    // The arrows typed in the search field move in the list.
    if (objet == filtre_ && evenement->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(evenement)->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            QCoreApplication::sendEvent(liste_, evenement);
            return true;
        default:
            break;
        }
    }
    return QDialog::eventFilter(objet, evenement);
}

void frmChoix::showEvent(QShowEvent* evenement) {
    QDialog::showEvent(evenement);
    // The keys go where they act, even when the popup opens from another one.
    if (filtre_->isHidden())
        liste_->setFocus();
    else
        filtre_->setFocus();
}

QPoint PositionChoix(const QPoint& coin, const QSize& popup, const QRect& ecran) {
    const int gauche = coin.x() - ecran.left();
    const int haut = coin.y() - ecran.top();
    int x = gauche + PixelsX(150);
    int y = haut + PixelsY(150);
    if (gauche > ecran.width() / 2)
        x -= popup.width() + PixelsX(300);
    if (haut > ecran.height() / 2)
        y -= popup.height() + PixelsY(300);
    return ecran.topLeft() + QPoint(x, y);
}

void frmChoix::Placer(const QPoint& coin, const QRect& ecran) {
    move(PositionChoix(coin, size(), ecran));
}

void frmChoix::Choisir(QListWidgetItem* entree) {
    if (entree == nullptr || EstSeparateur(entree->text()))
        return;
    ChoixIndex = liste_->row(entree);
    ChoixTexte = entree->text().toStdString();
    accept();
}

void frmChoix::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) {
        reject();
        return;
    }
    QDialog::keyPressEvent(e);
}

void frmChoix::paintEvent(QPaintEvent* evenement) {
    QDialog::paintEvent(evenement);
    // A popup has no window frame of its own.
    QPainter p(this);
    p.setPen(palette().color(QPalette::Dark));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void frmChoix::reject() {
    Annuler();
    QDialog::reject();
}

std::string ChoisirDansListe(const std::vector<std::string>& liste, QWidget* controle) {
    // An empty list has nothing to offer; the caller keeps its value as for a
    // cancelled choice.
    if (liste.empty() || Rogner(liste.front()).empty()) {
        Annuler();
        return ChoixTexte;
    }
    frmChoix popup(controle);
    if (!popup.FillIn(liste)) {
        Annuler();
        return ChoixTexte;
    }
    Annuler();
    if (controle != nullptr) {
        const QScreen* ecran = controle->screen();
        popup.Placer(controle->mapToGlobal(QPoint(0, 0)),
                     ecran ? ecran->geometry() : QRect(0, 0, 1280, 800));
    }
    popup.exec();
    return ChoixTexte;
}

std::string ChoisirDansListe(int k, QWidget* controle) {
    return ChoisirDansListe(ListeDeChoix(k), controle);
}
