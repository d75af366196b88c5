#pragma once

#include "support/careerfixture.h"
#include "tictactoe/tictac.h"

#include <QFile>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTest>

// What the tic-tac-toe window's tests share: the window opened, a game in progress put on its
// board, a game won, the window closed, and what its files and lists hold.

// The window's tests share a career, the window, and these steps.
class TictacTesting {
protected:
    void open() {
        fixture->open(game);
        QVERIFY(game->isVisible());
    }
    // Puts signs on the board as a game in progress would have them: '.' free, X and O.
    void setboard(const QString& cells, const QString& yourmoves, const QString& compmoves,
                  qint16 turns) {
        Board board;
        for (int k = 1; k <= 9; ++k)
            board[static_cast<std::size_t>(k - 1)] =
                cells[k - 1] == u'.' ? QString() : QString(cells[k - 1]);
        game->match.setgame(board, yourmoves, compmoves, turns);
        game->showgame();
    }
    // The player completes the top row; the opponent stays fresh.
    void winonce() {
        setboard("XX.OO....", "12", "45", 2);
        fixture->random.draws << 0.0;
        QTest::mouseClick(game->cell(3), Qt::LeftButton);
    }
    // As the close box does it: the window goes once events run.
    void closewindow() {
        game->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!game);
    }
    QString folder() const { return fixture->folder(); }
    qint16 wins() const { return game->match.record().wins; }
    qint16 losses() const { return game->match.record().losses; }
    qint16 draws() const { return game->match.record().draws; }

    CareerFixture* fixture = nullptr;
    QPointer<tictac> game;
};

inline QByteArray filebytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

inline QStringList rows(const QListWidget* list) {
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text();
    return texts;
}
