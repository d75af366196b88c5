#include "wordlist.h"
#include "common/filereading.h"

#include "common/random.h"
#include "common/textfile.h"

#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
// The most a typing box holds.
constexpr qsizetype longesttypable = 32767;

// Control characters (tab, line ends, NUL and the like) can't be typed into a one-line box.
bool typable(const QString& entry) {
    if (entry.size() > longesttypable)
        return false;
    for (QChar c : entry)
        if (c.category() == QChar::Other_Control)
            return false;
    return true;
}
} // namespace

FileRead loadwords(QStringList& list, const QString& path) {
    QByteArray bytes;
    const FileRead read = readfile(path, largestwordfile, bytes);
    if (read.ok())
        appendwords(list, std::move(bytes));
    return read;
}

QString wordfileproblem(const FileRead& read, const QString& path) {
    if (read.ok() || read.missing())
        return {};
    return read.message(QFileInfo(path).fileName());
}

void appendwords(QStringList& list, QByteArray bytes) {
    FieldReader reader(std::move(bytes));
    QString field;
    while (reader.next(field))
        if (typable(field))
            list.append(field);
}

qsizetype pickwordindex(qsizetype count, double seed) {
    randomize(seed);
    const double r = rnd();
    randomize(seed);
    if (count <= 0)
        return -1;
    // A source that strays outside [0, 1) must still give an entry of the list.
    const double scaled = std::floor(r * static_cast<double>(count));
    return static_cast<qsizetype>(std::clamp(scaled, 0.0, static_cast<double>(count - 1)));
}

QString wordat(const QStringList& list, qsizetype index) {
    return index >= 0 && index < list.size() ? list.at(index) : QString();
}

qint32 exerciselength(qsizetype count, int divisor) {
    // A draw just below 1 must stay below 1 once narrowed to single precision.
    const float r = std::min(static_cast<float>(rnd()), std::nextafter(1.0f, 0.0f));
    return exerciselength(count, divisor, r);
}

qint32 exerciselength(qsizetype count, int divisor, float r) {
    const qsizetype n = std::max<qsizetype>(count, 0);
    // Single precision on purpose: the count follows the float product, not the double one.
    const float quotient = static_cast<float>(n) * r / static_cast<float>(std::max(divisor, 1));
    // Clamped before the conversion, which is undefined for a float out of range.
    const float cut = std::clamp(std::floor(quotient), 0.0f, static_cast<float>(n));
    const qint64 length = static_cast<qint64>(n) - static_cast<qint64>(cut) + 1;
    return static_cast<qint32>(std::clamp<qint64>(length, 1, std::numeric_limits<qint32>::max()));
}
