// Loads a generated 100 000-entry word file, draws 10 000 targets from it, and starts a
// practice exercise on it, printing how long each takes.
#include "benchsetup.h"
#include "common/filereading.h"
#include "typing/frmp.h"
#include "typing/wordlist.h"

#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>

#include <cstdio>

namespace {

constexpr int entries = 100000;
constexpr int picks = 10000;

// Entries of every kind the game's files hold: plain words, mixed case, quoted phrases.
QByteArray generatedfile() {
    QByteArray out;
    for (int i = 0; i < entries; ++i) {
        switch (i % 3) {
        case 0:
            out += "word" + QByteArray::number(i) + "\r\n";
            break;
        case 1:
            out += "MixedCase" + QByteArray::number(i) + "\r\n";
            break;
        default:
            out += "\"A phrase, number " + QByteArray::number(i) + ", with $ & %.\"\r\n";
        }
    }
    return out;
}

double milliseconds(const QElapsedTimer& timer) {
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char* argv[]) {
    BenchSetup bench(argc, argv);
    const QByteArray bytes = generatedfile();
    const QString path = bench.filepath(QStringLiteral("easy.txt"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return 1;
    }
    std::printf("word file: %d entries, %lld bytes\n", entries,
                static_cast<long long>(bytes.size()));

    QElapsedTimer timer;
    timer.start();
    QByteArray read;
    readfile(path, largestwordfile, read);
    std::printf("reading the file alone: %.2f ms\n", milliseconds(timer));

    QStringList list;
    timer.restart();
    loadwords(list, path);
    std::printf("loadwords: %.2f ms for %lld entries\n", milliseconds(timer),
                static_cast<long long>(list.size()));

    timer.restart();
    qsizetype checksum = 0;
    for (int i = 0; i < picks; ++i)
        checksum += wordat(list, pickwordindex(list.size(), i)).size();
    const double pickms = milliseconds(timer);
    std::printf("picks: %.2f ms for %d (%.3f us each, checksum %lld)\n", pickms, picks,
                pickms * 1000.0 / picks, static_cast<long long>(checksum));

    frmp window(nullptr);
    timer.restart();
    window.startrestart->click();
    std::printf("practice Start on the file: %.2f ms (%lld entries to type)\n", milliseconds(timer),
                static_cast<long long>(window.leftcount));
    return 0;
}
