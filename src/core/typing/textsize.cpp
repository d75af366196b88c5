#include "typing/textsize.h"

#include "common/textfile.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>

namespace {

constexpr char tag[] = "keystrider-textsize";
constexpr qsizetype longestfield = 64;
// Small steps near the usual size, larger ones beyond it.
constexpr std::array<int, 11> steps{80, 90, 100, 110, 125, 150, 175, 200, 225, 250, 300};

} // namespace

int largertextsize(int percent) {
    const auto next = std::upper_bound(steps.cbegin(), steps.cend(), percent);
    return next == steps.cend() ? largesttextsize : *next;
}

int smallertextsize(int percent) {
    const auto at = std::lower_bound(steps.cbegin(), steps.cend(), percent);
    return at == steps.cbegin() ? smallesttextsize : *(at - 1);
}

Reading readtextsize(QByteArrayView bytes, int& percent) {
    percent = defaulttextsize;
    SettingsLine line(bytes, QLatin1String(tag), 1, longestfield);
    const QStringList& fields = line.fields();
    if (fields.size() % 2 != 0)
        line.damaged();
    for (qsizetype i = 0; i + 1 < fields.size(); i += 2)
        if (fields[i] == QLatin1String("percent"))
            line.number(fields[i + 1], smallesttextsize, largesttextsize, percent);
    // A name this version does not know is skipped with its value.
    return line.reading();
}

QByteArray textsizeline(int percent) {
    return LineWriter()
        .text(QLatin1String(tag))
        .number(1)
        .text(QStringLiteral("percent"))
        .number(percent)
        .line();
}

const SettingsFile& textsizefile() {
    static const SettingsFile file{
        textsizefilename, largesttextsizefile,
        QCoreApplication::translate("TextSize", "the text size chosen is not kept"),
        judgeby(readtextsize)};
    return file;
}

int kepttextsize(SettingsRead& read) {
    int percent = defaulttextsize;
    read = readsettings(textsizefile(),
                        [&percent](QByteArrayView bytes) { return readtextsize(bytes, percent); });
    return percent;
}

SettingsWrite keeptextsize(int percent) {
    return keepsettings(textsizefile(), textsizeline(percent));
}
