// A sound device that does not answer, as on a frozen sound server: the game plays on without
// queueing sounds for it, hears them again once it answers, and ends without waiting for it.
#include "sound/desktopsounds.h"
#include "sound/sounds.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QProcess>
#include <QTest>

namespace {

const char* const childvariable = "KEYSTRIDER_STUCK_SOUND_CHILD";

// The fake module's controls, from the copy the sound thread loaded.
struct StuckModule {
    StuckModule() : library(QStringLiteral(STUCK_SOUND_MODULE)) {}
    template <typename F> F function(const char* name) {
        return reinterpret_cast<F>(library.resolve(name));
    }
    bool entered() { return function<bool (*)()>("stucksound_entered")(); }
    bool opened() { return function<bool (*)()>("stucksound_opened")(); }
    void release() { function<void (*)()>("stucksound_release")(); }
    QList<int> played() { return function<QList<int> (*)()>("stucksound_played")(); }

    QLibrary library;
};

// A game's end with the device never answering: the sound thread is held for good, and so is
// the module's exit handler.
int endwithheldsound() {
    int code = 0;
    {
        int argc = 1;
        char name[] = "stucksound_test";
        char* argv[] = {name, nullptr};
        QCoreApplication app(argc, argv);
        DesktopSounds sounds({QStringLiteral(STUCK_SOUND_MODULE)});
        sounds.start();
        StuckModule fake;
        if (!QTest::qWaitFor([&] { return fake.entered(); }, 10000))
            code = 2;
    }
    return endprocess(code);
}

} // namespace

class StuckSoundTest : public QObject {
    Q_OBJECT
private slots:
    void silentuntilthedeviceanswers();
    void theenddoesnotwait();
};

void StuckSoundTest::silentuntilthedeviceanswers() {
    StuckModule fake;
    // A deadline of none: a sound still waiting for the device stops the next at once.
    DesktopSounds sounds({QStringLiteral(STUCK_SOUND_MODULE)}, 0);
    sounds.start();
    QVERIFY(QTest::qWaitFor([&] { return fake.entered(); }));
    sounds.play(Sound::KeyClick, 0.5);
    sounds.play(Sound::RaceLost, 0.5);
    fake.release();
    QVERIFY(QTest::qWaitFor([&] { return fake.opened(); }));
    // Heard as soon as it answers (a play may come too late for the one before it, and go).
    QVERIFY(QTest::qWaitFor([&] {
        sounds.play(Sound::RankGained, 0.5);
        return fake.played().contains(recordingof(Sound::RankGained));
    }));
    // The sound played while one still waited was never queued.
    QVERIFY(!fake.played().contains(recordingof(Sound::RaceLost)));
}

void StuckSoundTest::theenddoesnotwait() {
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(childvariable), QStringLiteral("1"));
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), QStringList());
    // Waiting on the device, or on its exit handler, would be for good.
    QVERIFY2(child.waitForFinished(30000), "the end waited on a device that never answers");
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 0);
}

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsSet(childvariable))
        return endwithheldsound();
    QCoreApplication app(argc, argv);
    StuckSoundTest test;
    // Ends as the game does: a sound thread that a busy machine kept past the end's short wait
    // is left, and so are its objects.
    return endprocess(QTest::qExec(&test, argc, argv));
}

#include "stucksound_test.moc"
