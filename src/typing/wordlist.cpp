#include "wordlist.h"

#include "common/random.h"
#include "common/textfile.h"

#include <algorithm>
#include <cmath>

void loadwords(QStringList& list, const QString& path) {
    QByteArray bytes;
    if (!readwholefile(path, bytes))
        return;
    FieldReader reader(std::move(bytes));
    QString field;
    while (reader.next(field))
        list.append(field);
}

int pickwordindex(int count, double seed) {
    randomize(seed);
    const int index = static_cast<int>(rnd() * count);
    randomize(seed);
    return count > 0 ? index : -1;
}

QString wordat(const QStringList& list, int index) {
    return index >= 0 && index < list.size() ? list.at(index) : QString();
}

int exerciselength(int count, int divisor) {
    // A draw just below 1 must stay below 1 once narrowed to single precision.
    const float r = std::min(static_cast<float>(rnd()), std::nextafter(1.0f, 0.0f));
    return exerciselength(count, divisor, r);
}

int exerciselength(int count, int divisor, float r) {
    // Single precision on purpose: the count follows the float product, not the double one.
    const float cut = std::floor(static_cast<float>(count) * r / static_cast<float>(divisor));
    return count - static_cast<int>(cut) + 1;
}
