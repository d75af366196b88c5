#include "coach/coachsettings.h"

#include "common/bytelines.h"
#include "common/number.h"
#include "common/programfolder.h"
#include "common/textfile.h"

#include <QUrl>

namespace {

// Percent-encoded, any path is plain ASCII and holds no quote or comma.
const QString textname = QStringLiteral("text");
const QString targetname = QStringLiteral("target");

} // namespace

CoachSettings readcoachsettings(QByteArrayView bytes) {
    CoachSettings settings;
    QByteArrayView line;
    while (nextline(bytes, line)) {
        FieldReader reader(line.toByteArray());
        QString name;
        bool cut = false;
        QByteArrayView value;
        if (!reader.next(name, 20, cut) || cut || !reader.nextbytes(value))
            continue;
        if (name == textname) {
            settings.text = QString::fromUtf8(QByteArray::fromPercentEncoding(value.toByteArray()));
        } else if (name == targetname) {
            std::int64_t wpm = 0;
            if (filenumber(value, slowesttarget, fastesttarget, wpm) == FileNumber::Whole)
                settings.targetwpm = static_cast<int>(wpm);
        }
    }
    return settings;
}

QByteArray coachsettingsbytes(const CoachSettings& settings) {
    return LineWriter()
               .text(textname)
               .text(QString::fromLatin1(QUrl::toPercentEncoding(settings.text)))
               .line() +
           LineWriter().text(targetname).number(settings.targetwpm).line();
}

CoachSettings keptcoachsettings(QString& trouble) {
    QByteArray bytes;
    const FileRead read =
        readfile(::apppath() + coachsettingsfilename, largestcoachsettings, bytes);
    trouble = read.ok() || read.missing() ? QString() : read.message(coachsettingsfilename);
    return readcoachsettings(read.ok() ? QByteArrayView(bytes) : QByteArrayView());
}

bool keepcoachsettings(const CoachSettings& settings) {
    return replacefile(::apppath() + coachsettingsfilename, coachsettingsbytes(settings));
}
