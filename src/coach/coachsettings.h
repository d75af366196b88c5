#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// What the coach keeps between runs beside the layout of its keyboard drawing (keyboard.dat):
// the own text chosen and the target speed. One line a setting, a name and its value; a line
// the coach cannot read leaves its setting as it was, and names it does not know are skipped.
inline const QString coachsettingsfilename = QStringLiteral("coach.dat");
// Two short lines; a path takes at most a few KB, even percent-encoded.
inline constexpr qint64 largestcoachsettings = 64 * 1024;
inline constexpr int slowesttarget = 10;
inline constexpr int fastesttarget = 150;

struct CoachSettings {
    QString text; // the own text's path; empty for none
    int targetwpm = 35;
    bool operator==(const CoachSettings&) const = default;
};

CoachSettings readcoachsettings(QByteArrayView bytes);
QByteArray coachsettingsbytes(const CoachSettings& settings);
// The kept settings, the defaults when none are kept; `trouble` says why when the file is there
// and cannot be read.
CoachSettings keptcoachsettings(QString& trouble);
// Keeps the settings; false when the file could not be written.
bool keepcoachsettings(const CoachSettings& settings);
