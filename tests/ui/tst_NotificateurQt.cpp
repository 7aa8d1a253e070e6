// The core's message boxes and busy cursor as the desktop program shows them.

#include "OutilsTest.h"
#include "ui/NotificateurQt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QTest>

namespace {
Qt::CursorShape Curseur() {
    const QCursor* c = QGuiApplication::overrideCursor();
    return c ? c->shape() : Qt::BlankCursor; // "blank" stands for no override here
}
} // namespace

class TestNotificateurQt : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { PreparerEnvironnementTest(); }

    void sablierImbrique() {
        NotificateurQt n;
        n.Sablier(true);
        n.Sablier(true);
        QCOMPARE(Curseur(), Qt::WaitCursor);
        n.Sablier(false);
        QCOMPARE(Curseur(), Qt::WaitCursor);
        n.Sablier(false);
        QCOMPARE(Curseur(), Qt::BlankCursor);
        // A stray "off" does not take away an override someone else set.
        QGuiApplication::setOverrideCursor(Qt::CrossCursor);
        n.Sablier(false);
        QCOMPARE(Curseur(), Qt::CrossCursor);
        QGuiApplication::restoreOverrideCursor();
        // The hourglass left on when the notifier goes is taken down with it.
        {
            NotificateurQt m;
            m.Sablier(true);
        }
        QCOMPARE(Curseur(), Qt::BlankCursor);
    }

    void boiteOkSeulAvecLeTitreDonne() {
        NotificateurQt n;
        n.Sablier(true);
        QString titre, texte, curseurPendant;
        int boutons = 0;
        PlusTard([&] {
            auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(boite != nullptr);
            titre = boite->windowTitle();
            texte = boite->text();
            boutons = boite->buttons().size();
            curseurPendant = Curseur() == Qt::ArrowCursor ? "fleche" : "autre";
            QVERIFY(boite->button(QMessageBox::Ok) != nullptr);
            boite->button(QMessageBox::Ok)->click();
        });
        n.Message("Première ligne\r\nSeconde ligne", "VARQUIN");
        QCOMPARE(titre, QStringLiteral("VARQUIN"));
        QCOMPARE(texte, QStringLiteral("Première ligne\nSeconde ligne"));
        QCOMPARE(boutons, 1);
        // The box is clicked with a normal pointer; the hourglass comes back after.
        QCOMPARE(curseurPendant, QStringLiteral("fleche"));
        QCOMPARE(Curseur(), Qt::WaitCursor);
        n.Sablier(false);
    }
};

QTEST_MAIN(TestNotificateurQt)
#include "tst_NotificateurQt.moc"
