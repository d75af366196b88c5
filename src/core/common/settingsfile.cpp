#include "common/settingsfile.h"

#include "common/bytelines.h"
#include "common/filewriting.h"
#include "common/number.h"
#include "common/programfolder.h"
#include "common/textfile.h"

#include <QCoreApplication>

#include <algorithm>
#include <limits>

namespace {

QString sentence(const QString& text) {
    return text.isEmpty() ? text : text.front().toUpper() + text.sliced(1) + QLatin1Char('.');
}

QString also(const QString& said, const QString& more) {
    return said.isEmpty() ? more : said + QLatin1Char(' ') + more;
}

// Kept in English by each file's maker, so the player reads it in the language shown now.
QString unkept(const SettingsFile& file) {
    return QCoreApplication::translate("SettingsFile", file.notkept.toUtf8().constData());
}

QString pathof(const SettingsFile& file, const QString& folder) {
    return (folder.isEmpty() ? ::apppath() : folder) + file.name;
}

} // namespace

bool holdsnothing(QByteArrayView bytes) {
    return std::all_of(bytes.cbegin(), bytes.cend(),
                       [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; });
}

Reading worse(Reading a, Reading b) {
    return std::max(a, b);
}

QString notwritten(const SettingsFile& file) {
    return QCoreApplication::translate("SettingsFile", "%1 could not be written: %2.")
        .arg(file.name, unkept(file));
}

SettingsWrite beforewriting(const SettingsFile& file, const QString& path, const FileRead& read,
                            Reading reading, const QByteArray& aside) {
    if (!read.ok() && !read.missing())
        return {false, read.message(file.name) + QLatin1Char(' ') + sentence(unkept(file))};
    switch (reading) {
    case Reading::Whole:
        break;
    case Reading::Newer:
        return {false,
                QCoreApplication::translate(
                    "SettingsFile", "%1 was written by a newer copy of the game, so it is left "
                                    "as it is: %2.")
                    .arg(file.name, unkept(file))};
    case Reading::Damaged: {
        const QString kept = keepdamaged(path, aside);
        if (kept.isEmpty())
            return {false,
                    QCoreApplication::translate(
                        "SettingsFile", "%1 is damaged and no copy of it could be kept, so it is "
                                        "left as it is: %2.")
                        .arg(file.name, unkept(file))};
        return {true,
                QCoreApplication::translate(
                    "SettingsFile", "%1 was damaged: it is kept as %2, and what could be read "
                                    "of it is used.")
                    .arg(file.name, kept)};
    }
    }
    return {true, QString()};
}

SettingsWrite keepsettings(const SettingsFile& file, const QByteArray& bytes,
                           const QString& folder) {
    const QString path = pathof(file, folder);
    QByteArray old;
    const FileRead read = readfile(path, file.most, old);
    const Reading reading =
        read.ok() && !holdsnothing(old) && file.judge ? file.judge(old) : Reading::Whole;
    SettingsWrite write = beforewriting(file, path, read, reading, old);
    if (!write.written)
        return write;
    write.written = replacefile(path, bytes);
    if (!write.written)
        write.said = also(write.said, notwritten(file));
    return write;
}

SettingsRead readsettings(const SettingsFile& file,
                          const std::function<Reading(QByteArrayView)>& read,
                          const std::function<QByteArray()>& mended, const QString& folder) {
    SettingsRead out;
    QByteArray bytes;
    const FileRead got = readfile(pathof(file, folder), file.most, bytes);
    if (got.missing() || (got.ok() && holdsnothing(bytes)))
        return out;
    Reading reading = Reading::Damaged;
    if (got.ok())
        reading = read(bytes);
    if (!got.ok() || reading == Reading::Newer) {
        out.said = beforewriting(file, QString(), got, reading, {}).said;
        out.unkept = true;
    } else if (reading == Reading::Damaged && mended) {
        const SettingsWrite write = keepsettings(file, mended(), folder);
        out.said = write.said;
        out.unkept = !write.written;
    }
    return out;
}

void SettingsLine::damaged() {
    how = worse(how, Reading::Damaged);
}

QStringList settingsfields(QByteArrayView bytes, qsizetype longestfield, Reading& how) {
    QByteArrayView rest = bytes;
    QByteArrayView line;
    nextline(rest, line);
    // The game writes one line, ended: anything after it, or a NUL in it, is none of its own.
    if (!rest.trimmed().isEmpty() || line.contains('\0'))
        how = worse(how, Reading::Damaged);
    FieldReader reader(line.toByteArray());
    QStringList fields;
    QString field;
    bool cut = false;
    while (reader.next(field, longestfield, cut)) {
        // Kept in its place, so the names and values after it still pair up, but as no value
        // any reader takes.
        if (cut) {
            how = worse(how, Reading::Damaged);
            field = QString(QChar(0));
        }
        fields.append(field);
    }
    // A line cut short: a quote that never closed lost its field already; a number last on a
    // line with no line end may have lost its last digits. A text whose closing quote is there
    // is whole.
    if (reader.unclosedquote())
        how = worse(how, Reading::Damaged);
    else if (line.size() == bytes.size() && !line.trimmed().endsWith('"') && !fields.isEmpty()) {
        fields.removeLast();
        how = worse(how, Reading::Damaged);
    }
    return fields;
}

SettingsLine::SettingsLine(QByteArrayView bytes, QLatin1String tag, int version,
                           qsizetype longestfield) {
    const QStringList fields = settingsfields(bytes, longestfield, how);
    std::int64_t number = 0;
    if (fields.size() < 2 || fields[0] != tag ||
        filenumber(fields[1], 1, std::numeric_limits<int>::max(), number) != FileNumber::Whole) {
        how = Reading::Damaged;
        return;
    }
    if (number > version)
        how = worse(how, Reading::Newer);
    read = fields.mid(2);
}

bool SettingsLine::flag(const QString& value, bool& out) {
    if (value != QLatin1String("0") && value != QLatin1String("1")) {
        damaged();
        return false;
    }
    out = value == QLatin1String("1");
    return true;
}

bool SettingsLine::number(const QString& value, qint64 min, qint64 max, qint64& out) {
    std::int64_t wide = 0;
    switch (filenumber(value, std::numeric_limits<std::int64_t>::min(),
                       std::numeric_limits<std::int64_t>::max(), wide)) {
    case FileNumber::Whole:
        out = std::clamp<std::int64_t>(wide, min, max);
        if (out != wide)
            damaged();
        return true;
    case FileNumber::OutOfRange:
        // Past 64 bits, its sign still says which end it is past.
        out = value.trimmed().startsWith(QLatin1Char('-')) ? min : max;
        damaged();
        return true;
    case FileNumber::NotANumber:
        break;
    }
    damaged();
    return false;
}

bool SettingsLine::number(const QString& value, int min, int max, int& out) {
    qint64 wide = 0;
    if (!number(value, qint64{min}, qint64{max}, wide))
        return false;
    out = static_cast<int>(wide);
    return true;
}
