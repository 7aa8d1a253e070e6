#include "ui/frmChoix.h"

#include "common/Texte.h"
#include "ui/Raccords.h"
#include "ui/modAffichages.h"

#include <QKeyEvent>
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
} // namespace

frmChoix::frmChoix(QWidget* parent) : QDialog(parent, Qt::Popup), liste_(new QListWidget(this)) {
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
    setFixedSize(plusLarge + PixelsX(550), liste_->height() + PixelsY(50));
    liste_->move((width() - liste_->width()) / 2, (height() - liste_->height()) / 2);
    liste_->setCurrentRow(0);
    return true;
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
