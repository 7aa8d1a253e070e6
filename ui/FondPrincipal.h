#pragma once
// The main window's multiple-document area, painted with the program's picture.

#include <QMdiArea>

class FondPrincipal : public QMdiArea {
    Q_OBJECT
public:
    explicit FondPrincipal(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* evenement) override;
};
