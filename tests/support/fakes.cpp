#include "support/fakes.h"

#include "common/program.h"
#include "common/programfolder.h"
#include "sound/soundsettings.h"

#include <QCoreApplication>
#include <QFile>

bool readwholefile(const QString& path, QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    bytes = file.readAll();
    return file.error() == QFileDevice::NoError;
}

QString readingname(Reading reading) {
    switch (reading) {
    case Reading::Whole:
        return QStringLiteral("whole");
    case Reading::Damaged:
        return QStringLiteral("damaged");
    case Reading::Newer:
        return QStringLiteral("newer");
    }
    return QString();
}

MsgResult ScriptedDialogs::message(const QString& text, const QString& title, MsgIcon icon,
                                   MsgButtons buttons) {
    shown.append({text, title, icon, buttons, false});
    if (whileopen)
        whileopen();
    if (!answers.isEmpty())
        return answers.dequeue();
    return isyesno(buttons) ? MsgResult::No : MsgResult::Ok;
}

std::optional<QString> ScriptedDialogs::input(const QString& prompt, const QString& title,
                                              const QString&) {
    shown.append({prompt, title, MsgIcon::None, MsgButtons::Ok, true});
    if (inputs.isEmpty())
        return QStringLiteral("Tester");
    const QString answer = inputs.dequeue();
    if (answer.isNull())
        return std::nullopt;
    return answer;
}

QString ScriptedDialogs::savefile(const QString& title, const QString& suggested, const QString&) {
    shown.append({suggested, title, MsgIcon::None, MsgButtons::Ok, true});
    return files.isEmpty() ? QString() : files.dequeue();
}

QString ScriptedDialogs::choosefolder(const QString& title, const QString& start) {
    shown.append({start, title, MsgIcon::None, MsgButtons::Ok, true});
    return folders.isEmpty() ? QString() : folders.dequeue();
}

QStringList ScriptedDialogs::texts() const {
    QStringList out;
    for (const ShownBox& box : shown)
        out.append(box.text);
    return out;
}

double ScriptedRandom::next() {
    ++drawn;
    return draws.isEmpty() ? 0.0 : draws.dequeue();
}

GameFixture::GameFixture() {
    setdialogs(&dialogs);
    setrandomsource(&random);
    setclock(&clock);
    setprogramfolder(dir.path());
    resetprogramended();
    setendprogram([this] { ++endings; });
    setdoevents([] { QCoreApplication::processEvents(); });
    setsounds(&sounds);
    setsoundsettings({});
}

GameFixture::~GameFixture() {
    setdialogs(nullptr);
    setrandomsource(nullptr);
    setclock(nullptr);
    setprogramfolder(QString());
    setendprogram({});
    setdoevents({});
    setsounds(nullptr);
    setsoundsettings({});
    resetprogramended();
}

QString GameFixture::folder() const {
    return dir.path() + QLatin1Char('/');
}

void GameFixture::writefile(const QString& name, const QByteArray& bytes) const {
    QFile file(folder() + name);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(file.fileName()));
}
