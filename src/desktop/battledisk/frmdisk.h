#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QTimer;

// The staged duel: two lanes fill with noise, the decided winner's faster, and a message ends
// it. The lanes keep their text across duels until the window is closed.
class frmdisk : public QWidget {
    Q_OBJECT
public:
    explicit frmdisk(QWidget* parent = nullptr);

    // Show the window and start the race the player ("me win"), or the disk character ("disk
    // win"), wins: the game's own names.
    void mewin();
    void diskwin();

    void shower();
    void ender();
    void mewon();
    void diskwon();

    void mewin1_Timer();
    void mewin2_Timer();
    void diskwin1_Timer();
    void diskwin2_Timer();

    QLabel* Label1;
    QLineEdit* txtme;
    QLabel* Label2;
    QLineEdit* txtdisk;
    QTimer* mewin1;
    QTimer* mewin2;
    QTimer* diskwin1;
    QTimer* diskwin2;

private:
    void endrace(QTimer* slow, QTimer* fast, const QString& message);
    // One tick of any of the four timers, which differ only in their lanes and ending.
    void racetick(const QLineEdit* winner, QLineEdit* typed, void (frmdisk::*ending)());
    // How many characters a lane holds; they stay across duels until the window is closed.
    int typedin(const QLineEdit* lane) const;
    int metyped = 0;
    int disktyped = 0;
};
