#pragma once

#include <QImage>
#include <QWidget>

// The ghost of a race on the track: the player's car, see-through, in a dashed outline, with
// whose race it is written under it, so it is told from the cars without colour. Screen
// readers know it by that name.
class GhostCar : public QWidget {
    Q_OBJECT
public:
    explicit GhostCar(QWidget* parent = nullptr);
    // "Your best", "Ana's best".
    void setwhose(const QString& whose);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage car;
    QString whose;
};
