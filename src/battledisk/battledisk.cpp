#include "battledisk/battledisk.h"

#include "common/textfile.h"

#include <charconv>

namespace {

// Digits with an optional minus sign and nothing else: a disk is either read whole or refused,
// so "12abc" or "1e3" must not pass as a number the way a label's text would.
std::optional<qint32> strictint32(const QString& field) {
    const QByteArray digits = field.toLatin1();
    qint32 value = 0;
    const char* end = digits.constData() + digits.size();
    const auto [stop, error] = std::from_chars(digits.constData(), end, value);
    if (error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

} // namespace

QString diskpath(const QString& answer) {
    return answer + QStringLiteral("battle.dat");
}

QString diskname(const QString& playername) {
    return fromwindows1252(towindows1252(quotabletext(playername)));
}

bool isowndisk(const BattleDisk& disk, const QString& playername) {
    return disk.name == diskname(playername);
}

QByteArray diskbytes(const BattleDisk& disk) {
    return LineWriter().text(quotabletext(disk.name)).line() +
           LineWriter().number(disk.money).line() + LineWriter().number(disk.training).line();
}

std::optional<BattleDisk> readdisk(const QByteArray& bytes) {
    FieldReader reader(bytes);
    QString name;
    QString money;
    QString training;
    if (!reader.next(name) || !reader.next(money) || !reader.next(training))
        return std::nullopt;
    const std::optional<qint32> m = strictint32(money);
    const std::optional<qint32> t = strictint32(training);
    if (!m || !t)
        return std::nullopt;
    return BattleDisk{name, *m, *t};
}

std::optional<BattleDisk> readdiskfile(const QString& path) {
    QByteArray bytes;
    if (!readwholefile(path, bytes))
        return std::nullopt;
    return readdisk(bytes);
}

bool writediskfile(const QString& path, const BattleDisk& disk) {
    return replacefile(path, diskbytes(disk));
}
