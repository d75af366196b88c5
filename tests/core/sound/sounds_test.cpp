#include "career/career.h"
#include "common/programfolder.h"
#include "samples/careerstaging.h"
#include "services/rewardbag.h"
#include "sound/soundsettings.h"
#include "stats/typingsession.h"
#include "support/fakes.h"

#include <QTest>
#include <QtEndian>

Q_DECLARE_METATYPE(Sound)
Q_DECLARE_METATYPE(SoundSettings)

class SoundsTest : public QObject {
    Q_OBJECT
private slots:
    void init() { fixture = new GameFixture; }
    void cleanup() { delete fixture; }
    void switches_data();
    void switches();
    void keystrokes_data();
    void keystrokes();
    void careerevents_data();
    void careerevents();
    void bag_data();
    void bag();
    void settingsline_data();
    void settingsline();
    void settingsfile();
    void recordings_data();
    void recordings();

private:
    GameFixture* fixture = nullptr;
};

namespace {

QString rowname(int sound, const char* what) {
    return QStringLiteral("%1 (%2): %3")
        .arg(sound)
        .arg(recordingname(recordingof(static_cast<Sound>(sound))), QLatin1String(what));
}

SoundSettings allon() {
    SoundSettings settings;
    settings.game = settings.wrongkey = settings.clicks = true;
    return settings;
}

} // namespace

// Every sound is heard when its own switch is on, whatever the others, and never when its
// own is off or the game is muted; at the volume chosen.
void SoundsTest::switches_data() {
    QTest::addColumn<Sound>("sound");
    QTest::addColumn<SoundSettings>("settings");
    QTest::addColumn<bool>("heard");
    for (int s = 0; s < soundcount; ++s) {
        const auto sound = static_cast<Sound>(s);
        const SoundSwitch own = switchof(sound);
        SoundSettings alone{false, false, false, false, 30};
        alone.set(own, true);
        SoundSettings allbutown = allon();
        allbutown.set(own, false);
        SoundSettings muted = allon();
        muted.muted = true;
        QTest::newRow(qPrintable(rowname(s, "as a new player has it")))
            << sound << SoundSettings() << (own == SoundSwitch::Game);
        QTest::newRow(qPrintable(rowname(s, "its switch alone on"))) << sound << alone << true;
        QTest::newRow(qPrintable(rowname(s, "every switch on but its own")))
            << sound << allbutown << false;
        QTest::newRow(qPrintable(rowname(s, "muted"))) << sound << muted << false;
    }
}

void SoundsTest::switches() {
    QFETCH(Sound, sound);
    QFETCH(SoundSettings, settings);
    QFETCH(bool, heard);
    setsoundsettings(settings);
    playsound(sound);
    QCOMPARE(fixture->sounds.heard, heard ? QList<Sound>{sound} : QList<Sound>());
    if (heard)
        QCOMPARE(fixture->sounds.volumes.at(0), settings.volume / 100.0);
}

enum class SessionAt { BeforeStart, Started, Finished };
Q_DECLARE_METATYPE(SessionAt)

// The keystrokes of a typing box as the session counts them: typed, deleted or wrong.
void SoundsTest::keystrokes_data() {
    QTest::addColumn<SessionAt>("at");
    QTest::addColumn<bool>("tick");
    QTest::addColumn<bool>("clicks");
    QTest::addColumn<QStringList>("boxes"); // the box after each change, for the entry "abc"
    QTest::addColumn<QList<Sound>>("heard");
    const Sound C = Sound::KeyClick;
    const Sound W = Sound::WrongKey;
    const auto at = SessionAt::Started;
    QTest::newRow("each character typed clicks")
        << at << false << true << QStringList{"a", "ab"} << QList{C, C};
    QTest::newRow("a wrong key ticks, the click off")
        << at << true << false << QStringList{"a", "ax"} << QList{W};
    QTest::newRow("the tick stands in for the click")
        << at << true << true << QStringList{"a", "ax"} << QList{C, W};
    QTest::newRow("the tick off, a wrong key clicks")
        << at << false << true << QStringList{"x"} << QList{C};
    QTest::newRow("a held wrong key ticks at every repeat")
        << at << true << false << QStringList{"x", "xx", "xxx"} << QList{W, W, W};
    QTest::newRow("typing on after a wrong key ticks again")
        << at << true << false << QStringList{"x", "", "a", "ab", "abz"} << QList{W, W};
    QTest::newRow("a paste clicks once, a deletion too")
        << at << false << true << QStringList{"ab", "a", "abc"} << QList{C, C, C};
    QTest::newRow("the box emptied after the entry is the game's")
        << at << false << true << QStringList{"ab", "abc", ""} << QList{C, C};
    QTest::newRow("both off, silence")
        << at << false << false << QStringList{"x"} << QList<Sound>();
    QTest::newRow("before Start, silence")
        << SessionAt::BeforeStart << true << true << QStringList{"x"} << QList<Sound>();
    QTest::newRow("after the end, silence")
        << SessionAt::Finished << true << true << QStringList{"x"} << QList<Sound>();
}

void SoundsTest::keystrokes() {
    QFETCH(SessionAt, at);
    QFETCH(bool, tick);
    QFETCH(bool, clicks);
    QFETCH(QStringList, boxes);
    QFETCH(QList<Sound>, heard);
    SoundSettings settings;
    settings.wrongkey = tick;
    settings.clicks = clicks;
    setsoundsettings(settings);
    TypingSession session;
    if (at != SessionAt::BeforeStart)
        session.start();
    if (at == SessionAt::Finished)
        session.finish(QStringLiteral("Practice"), QStringLiteral("Easy"), QStringLiteral("Done"));
    const qint64 wrongbefore = session.counts().tally.wrong;
    for (const QString& box : boxes)
        session.changed(QStringLiteral("abc"), box);
    QCOMPARE(fixture->sounds.heard, heard);
    // Heard without touching what is counted: a tick for each wrong keystroke counted.
    if (at == SessionAt::Started && tick)
        QCOMPARE(fixture->sounds.heard.count(Sound::WrongKey),
                 session.counts().tally.wrong - wrongbefore);
}

enum class CareerStep { NextDay, Training };
Q_DECLARE_METATYPE(CareerStep)

// The career's own events: the day's money and a rank gained.
void SoundsTest::careerevents_data() {
    QTest::addColumn<CareerStep>("step");
    QTest::addColumn<QList<double>>("draws");
    QTest::addColumn<int>("points");
    QTest::addColumn<QList<Sound>>("heard");
    // The draw that lands on day event n.
    const auto event = [](int n) { return (n - 1 + 0.5) / 14.0; };
    QTest::newRow("a quiet day") << CareerStep::NextDay << QList{event(1)} << 0 << QList<Sound>();
    QTest::newRow("money found") << CareerStep::NextDay << QList{event(13), 0.5} << 0
                                 << QList{Sound::MoneyFound};
    QTest::newRow("money stolen") << CareerStep::NextDay << QList{event(3), 0.5} << 0
                                  << QList{Sound::MoneyLost};
    QTest::newRow("points short of a rank")
        << CareerStep::Training << QList<double>() << 15 << QList<Sound>();
    QTest::newRow("a rank gained")
        << CareerStep::Training << QList<double>() << 16 << QList{Sound::RankGained};
    QTest::newRow("three ranks at once, heard once")
        << CareerStep::Training << QList<double>() << 60 << QList{Sound::RankGained};
}

void SoundsTest::careerevents() {
    QFETCH(CareerStep, step);
    QFETCH(QList<double>, draws);
    QFETCH(int, points);
    QFETCH(QList<Sound>, heard);
    Career career;
    career.newcareer(QStringLiteral("Ace"));
    career.begincareer({});
    fixture->random.draws.append(draws);
    if (step == CareerStep::NextDay)
        career.nextday();
    else
        staged(career).changetrainingby(points);
    QCOMPARE(fixture->sounds.heard, heard);
}

Q_DECLARE_METATYPE(std::optional<Sound>)

void SoundsTest::bag_data() {
    QTest::addColumn<int>("lot");
    QTest::addColumn<std::optional<Sound>>("sound");
    const std::optional<Sound> none;
    QTest::newRow("nothing happened") << 1 << none;
    QTest::newRow("$20 drawn out") << 3 << std::optional(Sound::BagWindfall);
    QTest::newRow("$50 snatched") << 6 << std::optional(Sound::BagMishap);
    QTest::newRow("2 days back in time") << 9 << std::optional(Sound::BagWindfall);
    QTest::newRow("1 day forward in time") << 13 << std::optional(Sound::BagMishap);
    QTest::newRow("more experienced") << 14 << std::optional(Sound::BagWindfall);
    QTest::newRow("less experienced") << 18 << std::optional(Sound::BagMishap);
}

void SoundsTest::bag() {
    QFETCH(int, lot);
    QFETCH(std::optional<Sound>, sound);
    QCOMPARE(bagsound(baglot(lot)), sound);
}

// A line of sound.dat: what is valid is taken, the rest left at the defaults, and whether it
// read whole.
void SoundsTest::settingsline_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reading");
    QTest::addColumn<SoundSettings>("settings");
    const QByteArray good = "\"keystrider-sound\",1,\"game\",0,\"wrongkey\",1,\"clicks\",1,"
                            "\"volume\",75,\"mute\",1\r\n";
    const SoundSettings chosen{false, true, true, true, 75};
    const SoundSettings defaults;
    const SoundSettings silent{true, false, false, false, 0};
    const SoundSettings loudest{true, false, false, false, 100};
    const QByteArray head = "\"keystrider-sound\",1,";
    // clang-format off
    QTest::newRow("as written") << good << "whole" << chosen;
    QTest::newRow("LF alone, and a second line") << QByteArray(good).replace("\r\n", "\n\"keystrider-sound\",1,\"game\",1\n") << "damaged" << chosen;
    QTest::newRow("only the tag: the defaults") << QByteArray("\"keystrider-sound\",1\r\n") << "whole" << defaults;
    QTest::newRow("a name not known yet is skipped") << head + "\"echo\",\"far\",\"volume\",0\r\n" << "whole" << silent;
    QTest::newRow("a switch of 2") << head + "\"game\",2,\"volume\",0\r\n" << "damaged" << silent;
    QTest::newRow("a switch of words") << head + "\"clicks\",\"on\"\r\n" << "damaged" << defaults;
    QTest::newRow("volume over 100") << head + "\"volume\",101\r\n" << "damaged" << loudest;
    QTest::newRow("volume below 0") << head + "\"volume\",-1\r\n" << "damaged" << silent;
    QTest::newRow("volume with a fraction") << head + "\"volume\",50.5\r\n" << "damaged" << defaults;
    QTest::newRow("volume past 64 bits") << head + "\"volume\",99999999999999999999\r\n" << "damaged" << loudest;
    QTest::newRow("a name without its value") << head + "\"volume\",0,\"game\"\r\n" << "damaged" << silent;
    QTest::newRow("an unclosed quote") << head + "\"volume\",0,\"game,1" << "damaged" << silent;
    QTest::newRow("cut after a digit") << head + "\"volume\",0,\"game\",0,\"clicks\",1" << "damaged" << SoundSettings{false, false, false, false, 0};
    QTest::newRow("a field too long") << head + "\"" + QByteArray(5000, 'x') + "\",1,\"volume\",0\r\n" << "damaged" << silent;
    QTest::newRow("a NUL") << head + QByteArray("\"volume\",0,\"game\",\0\r\n", 21) << "damaged" << silent;
    QTest::newRow("another file's tag") << QByteArray("\"keystrider-coach\",1,\"volume\",0\r\n") << "damaged" << defaults;
    QTest::newRow("a later version") << QByteArray("\"keystrider-sound\",2,\"game\",0,\"echo\",1\r\n") << "newer" << SoundSettings{false, false, false, false, 50};
    QTest::newRow("binary") << QByteArray("\0\xff\x01\"\r", 5) << "damaged" << defaults;
    // clang-format on
}

void SoundsTest::settingsline() {
    QFETCH(QByteArray, bytes);
    QFETCH(SoundSettings, settings);
    SoundSettings read;
    QTEST(readingname(readsoundsettings(bytes, read)), "reading");
    QCOMPARE(read, settings);
    SoundSettings again;
    QCOMPARE(readsoundsettings(soundsettingsline(read), again), Reading::Whole);
    QCOMPARE(again, settings);
}

// The file in the program folder: the defaults when missing, the reason when it can't be read.
void SoundsTest::settingsfile() {
    SettingsRead read;
    QCOMPARE(keptsoundsettings(read), SoundSettings());
    QVERIFY(read.said.isEmpty() && !read.unkept);
    const SoundSettings chosen{true, true, false, false, 100};
    QVERIFY(keepsoundsettings(chosen).written);
    QCOMPARE(keptsoundsettings(read), chosen);
    QByteArray bytes;
    QVERIFY(readwholefile(fixture->folder() + soundfilename, bytes));
    QVERIFY(bytes.endsWith("\r\n"));

    fixture->writefile(soundfilename, QByteArray(largestsoundfile + 1, ' '));
    QCOMPARE(keptsoundsettings(read), SoundSettings());
    QVERIFY(read.unkept && read.said.startsWith("sound.dat could not be read: "));
}

// Each recording is in sounds/, as tools/makesounds.py writes it and Qt plays it: 16-bit mono
// PCM, an event at most 1.5 s long, the click and the tick at most 40 ms.
void SoundsTest::recordings_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("longestms");
    for (int r = 0; r < recordingcount; ++r) {
        const bool key = voicesof(r) > 1;
        QTest::newRow(qPrintable(recordingname(r))) << recordingname(r) << (key ? 40 : 1500);
    }
}

void SoundsTest::recordings() {
    QFETCH(QString, name);
    QFETCH(int, longestms);
    QByteArray wav;
    QVERIFY(readwholefile(QStringLiteral(SOUNDS_FOLDER "/") + name + ".wav", wav));
    QVERIFY(wav.size() > 44 && wav.startsWith("RIFF") && wav.mid(8, 8) == "WAVEfmt ");
    const auto u16 = [&](int at) { return qFromLittleEndian<quint16>(wav.constData() + at); };
    const auto u32 = [&](int at) { return qFromLittleEndian<quint32>(wav.constData() + at); };
    QCOMPARE(u16(20), quint16(1)); // PCM
    QCOMPARE(u16(22), quint16(1)); // mono
    QCOMPARE(u16(34), quint16(16));
    QCOMPARE(wav.mid(36, 4), QByteArray("data"));
    const double ms = 1000.0 * u32(40) / u32(28);
    QVERIFY2(ms > 0 && ms <= longestms, qPrintable(QString::number(ms)));
}

QTEST_GUILESS_MAIN(SoundsTest)
#include "sounds_test.moc"
