#include "OutilsTest.h"

#include "ui/Demarrage.h"

#include <QApplication>
#include <QLabel>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

namespace {
class ProjetEnregistreur : public ProjetUI {
public:
    ProjetEnregistreur(FabriqueEnregistreuse& f, int numero)
        : fabrique_(f), prefixe_(QString::number(numero) + QLatin1Char(':')),
          fenetre_(new QLabel(QStringLiteral("Projet %1").arg(numero))) {
        fenetre_->setWindowTitle(
            QStringLiteral("Projet%1.vqp").arg(numero, 4, 10, QLatin1Char('0')));
        fenetre_->resize(300, 120);
    }
    ~ProjetEnregistreur() override {
        ++fabrique_.detruits;
        Noter(QStringLiteral("Detruit"));
    }
    QWidget* Fenetre() override { return fenetre_; }
    void Ouvrir(const QString& chemin) override { Noter(QStringLiteral("Ouvrir ") + chemin); }
    void Enregistrer() override { Noter(QStringLiteral("Enregistrer")); }
    void EnregistrerSous(const QString& chemin) override {
        Noter(QStringLiteral("EnregistrerSous ") + chemin);
    }
    void Annuler() override { Noter(QStringLiteral("Annuler")); }
    void Calculer() override { Noter(QStringLiteral("Calculer")); }
    void ApercuAvantImpression(QWidget*) override { Noter(QStringLiteral("Apercu")); }
    void Imprimer(QWidget*) override { Noter(QStringLiteral("Imprimer")); }

private:
    void Noter(const QString& quoi) { fabrique_.journal << prefixe_ + quoi; }

    FabriqueEnregistreuse& fabrique_;
    QString prefixe_;
    QLabel* fenetre_;
};
} // namespace

std::unique_ptr<ProjetUI> FabriqueEnregistreuse::NouveauProjet() {
    return std::make_unique<ProjetEnregistreur>(*this, ++crees);
}

void PreparerEnvironnementTest() {
    static QTemporaryDir reglages;
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, reglages.path());
    ConfigurerApplication(*qobject_cast<QApplication*>(QCoreApplication::instance()));
}

void PlusTard(std::function<void()> action, int delaiMs) {
    QTimer::singleShot(delaiMs, qApp, std::move(action));
}
