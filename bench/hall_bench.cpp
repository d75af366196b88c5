// The hall of fame window at scale: lists a generated "hall.dat" of 100 000 entries and one
// holding a 10 MB entry, printing how long each takes until the window is painted and the
// longest time the window went without answering events meanwhile.
#include "benchsetup.h"
#include "career/frmhall.h"
#include "career/halllist.h"

#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int entries = 100000;

QByteArray manyentries() {
    QByteArray out;
    for (int i = 0; i < entries; ++i)
        out += "\"Player" + QByteArray::number(i) + " scored " + QByteArray::number(i * 37) +
               " points!\"\r\n";
    return out;
}

QByteArray onehugeentry() {
    return "\"Ace scored 4500 points!\"\r\n\"" + QByteArray(10 * 1024 * 1024, 'x') + "\"\r\n";
}

double milliseconds(qint64 nanoseconds) {
    return static_cast<double>(nanoseconds) / 1e6;
}

// Loads the file into a fresh window and paints it, watching how long events had to wait.
void measure(const QString& folder, const char* what, const QByteArray& bytes) {
    QFile file(folder + QStringLiteral("hall.dat"));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        std::exit(1);
    file.close();

    frmhall hall;
    hall.show();
    QCoreApplication::processEvents();
    EventGaps gaps;
    gaps.start();
    hall.load();
    const qint64 listed = gaps.elapsed();
    const qint64 longestgap = gaps.stop();
    // A long list is laid out a slice per turn of the event loop; it is painted whole once the
    // scroll range has stopped growing.
    QScrollBar* bar = hall.List1->verticalScrollBar();
    for (int steady = 0, last = -1; steady < 3; last = bar->maximum()) {
        QCoreApplication::processEvents();
        steady = bar->maximum() == last ? steady + 1 : 0;
    }
    hall.repaint();
    const qint64 painted = gaps.elapsed();
    std::printf("%s (%lld bytes, %d rows): listed %.1f ms, painted %.1f ms, longest gap "
                "between event turns %.1f ms\n",
                what, static_cast<long long>(bytes.size()), hall.List1->count(),
                milliseconds(listed), milliseconds(painted), milliseconds(longestgap));
}

} // namespace

int main(int argc, char* argv[]) {
    BenchSetup bench(argc, argv);
    measure(apppath(), "100 000 entries", manyentries());
    measure(apppath(), "one 10 MB entry", onehugeentry());
    return 0;
}
