// The memory an own text costs the coach: a text just under the largest taken (or as many MB as
// the first argument says) written, then read and split into sentences as the coach holds it,
// the process's peak before and after.
#include "benchfolder.h"
#include "coach/owntext.h"

#include <QCoreApplication>

#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>

namespace {

// What the process holds now.
double residentmegabytes() {
    long pages = 0, resident = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1048576.0;
}

double peakmegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    BenchFolder bench;
    const qint64 size =
        argc > 1 ? QByteArray(argv[1]).toLongLong() * 1024 * 1024 : largestowntext - 1024 * 1024;
    const QString path = bench.filepath(QStringLiteral("long.txt"));
    {
        // Sentences of eight words of five letters, eighty words a line.
        QByteArray text;
        text.reserve(size);
        for (std::uint64_t i = 0; text.size() < size; ++i) {
            for (int l = 0; l < 5; ++l)
                text += char('a' + (i * 7 + l * 3) % 26);
            text += i % 8 == 7 ? ". " : " ";
            if (i % 80 == 79)
                text += '\n';
        }
        if (!writesynced(path, text))
            return 1;
    }
    const double before = peakmegabytes();
    const double residentbefore = residentmegabytes();
    const OwnText loaded = loadowntext(path);
    const double after = peakmegabytes();
    const double held = residentmegabytes() - residentbefore;
    std::printf("own text of %.1f MB: %lld sentences, %s; held in %.0f MB; peak memory %.0f MB "
                "before reading it, %.0f MB after\n",
                static_cast<double>(size) / 1024 / 1024,
                static_cast<long long>(loaded.sentences.size()),
                loaded.error.isEmpty() ? "taken" : qPrintable(loaded.error), held, before, after);
    return loaded.error.isEmpty() ? 0 : 1;
}
