// Every file the game reads, filled up to the most it reads of that kind, and the longest the
// window that reads it then goes without handling events (goal 50 ms): tic-tac-toe opening on
// its memory and roster, the hall of fame, practice starting on a word file and opening on the
// practice goals, a saved game loaded, and the coach keeping its place in an own text after a
// sentence.
#include "benchsetup.h"
#include "career/frmhall.h"
#include "career/hall.h"
#include "career/halllist.h"
#include "coach/owntext.h"
#include "coach/placekeeper.h"
#include "common/dialogs.h"
#include "common/watchlabel.h"
#include "saves/loa.h"
#include "saves/savedgame.h"
#include "shell/form1.h"
#include "stats/practicegoal.h"
#include "tictactoe/records.h"
#include "tictactoe/strategies.h"
#include "tictactoe/tictac.h"
#include "typing/frmp.h"
#include "typing/wordlist.h"

#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <cstdio>
#include <functional>
#include <memory>

namespace {

// Lines of `line` until one more would pass the limit.
QByteArray filledto(qint64 most, const QByteArray& line) {
    QByteArray bytes;
    bytes.reserve(most);
    while (bytes.size() + line.size() <= most)
        bytes += line;
    return bytes;
}

bool write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

void measure(const char* what, qint64 bytes, const std::function<void()>& work) {
    EventGaps gaps;
    gaps.start();
    work();
    const qint64 done = gaps.elapsed();
    // Whatever the work left for later turns of the event loop counts too.
    QCoreApplication::processEvents();
    const qint64 longest = gaps.stop();
    std::printf("%s (%.1f MB): done in %.1f ms, longest gap between event turns %.1f ms "
                "(goal 50 ms)\n",
                what, static_cast<double>(bytes) / (1024 * 1024), static_cast<double>(done) / 1e6,
                static_cast<double>(longest) / 1e6);
}

} // namespace

int main(int argc, char* argv[]) {
    BenchSetup bench(argc, argv);
    AnsweringDialogs dialogs;
    setdialogs(&dialogs);

    // The first window made sets up fonts and styles once for every later one.
    { tictac warmup(nullptr); }
    const QByteArray brain = filledto(largestbrain, "\"2468\"\r\n");
    const QByteArray roster = filledto(largestroster, "\"Player 12345\"\r\n");
    if (!write(bench.filepath(brainfile), brain) || !write(bench.filepath(rosterfile), roster))
        return 1;
    {
        std::unique_ptr<tictac> window;
        measure("tic-tac-toe opens on brain.dat and list.dat", brain.size() + roster.size(),
                [&window] { window = std::make_unique<tictac>(nullptr); });
    }

    const QByteArray hall = filledto(largesthall, "\"Ace scored 4500 points!\"\r\n");
    if (!write(bench.filepath(QStringLiteral("hall.dat")), hall))
        return 1;
    {
        frmhall window;
        window.show();
        QCoreApplication::processEvents();
        measure("hall of fame lists hall.dat", hall.size(), [&window] { window.load(); });
        measure("hall of fame closes", hall.size(), [&window] { window.List1->clear(); });
    }

    const QByteArray words = filledto(largestwordfile, "\"typewriter\",\"keys\"\r\n");
    if (!write(bench.filepath(QStringLiteral("easy.txt")), words))
        return 1;
    measure("practice starts on easy.txt", words.size(), [] {
        frmp window(nullptr);
        window.show();
        window.startrestart->click();
        window.startrestart->click();
    });

    // A goal changed on every day since 1900, each a change from the day before.
    QByteArray goals = "\"keystrider-goal\",1";
    for (QDate day(1900, 1, 1); goals.size() < largestgoalfile - 40; day = day.addDays(1))
        goals += ",\"goal\",\"" + day.toString(Qt::ISODate).toLatin1() + "\"," +
                 QByteArray::number(day.toJulianDay() % 2 ? 5 : 10);
    goals += "\r\n";
    if (!write(bench.filepath(goalfilename), goals))
        return 1;
    measure("practice opens on practicegoal.dat", goals.size(), [] {
        frmp window(nullptr);
        window.show();
    });

    Form1 form;
    form.startnewgame();
    SavedGame game;
    game.playername = QStringLiteral("Bench");
    game.training = QStringLiteral("0");
    game.log =
        QString::fromLatin1(filledto(largestsave - 100, "Day 1: you won $25, then flew on.\r\n"));
    const QByteArray save = savedgamebytes(game);
    if (!write(bench.filepath(QStringLiteral("big.kvr")), save))
        return 1;
    measure("a saved game is loaded", save.size(), [&form] {
        form.openload();
        loa* dialog = form.loadwindow;
        dialog->filename->setText(QStringLiteral("big"));
        dialog->games->setCurrentRow(0);
        dialog->go();
    });
    if (form.shownname->text() != game.playername)
        std::printf("the saved game was not loaded: %s\n", qPrintable(dialogs.last));

    const QByteArray places =
        filledto(largestplacefile - 100, "\"%2Fhome%2Fzoe%2Fbooks%2Fa.txt\",12\r\n");
    if (!write(bench.filepath(placefilename), places))
        return 1;
    measure("the coach keeps its place in textplaces.dat", places.size(), [] {
        keepplace(QStringLiteral("/home/zoe/mine.txt"), placeof(QStringLiteral("/x")) + 3);
    });
    return 0;
}
