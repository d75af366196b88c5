// Every settings and progress file against the damage a file meets: cut short, garbage after
// it, a NUL, a newer copy's, a value out of range, empty. The game's first write keeps a
// damaged file aside and leaves a newer copy's untouched, says so naming the file, keeps the
// values that could be read, and leaves a file that reads whole, so the player hears it once.
#include "coach/coachplan.h"
#include "coach/placekeeper.h"
#include "competition/replaysfile.h"
#include "keyboard/keyboardchoice.h"
#include "language/languagechoice.h"
#include "sound/soundsettings.h"
#include "stats/practicegoal.h"
#include "support/fakes.h"

#include <QFile>
#include <QTest>

namespace {

struct KeptFile {
    const SettingsFile& (*file)();
    // What the game shows of the file: the value the good file holds.
    std::function<QString()> value;
    // The game's first use of it, as far as its first write; what the player was told.
    std::function<QString()> use;
};

const Replay hardrace{RaceLevel::Hard, 3000, {{1000, track::startleft + 175}}};

const QMap<QString, KeptFile>& keptfiles() {
    static const QMap<QString, KeptFile> all{
        {"coachplan.dat",
         {&coachplanfile,
          [] {
              QString trouble;
              return QString::number(keptcoachplan(trouble).targetwpm);
          },
          [] {
              QString said;
              bool unkept = false;
              loadcoachplan(said, unkept);
              return said;
          }}},
        {"sound.dat",
         {&soundfile,
          [] {
              SettingsRead read;
              return QString::number(keptsoundsettings(read).volume);
          },
          // A change in the Sound menu.
          [] {
              SettingsRead read;
              SoundSettings settings = keptsoundsettings(read);
              if (read.unkept)
                  return read.said;
              settings.clicks = !settings.clicks;
              return keepsoundsettings(settings).said;
          }}},
        {"practicegoal.dat",
         {&goalfile, [] { return QString::number(keptgoals().goals.on(QDate(2026, 12, 8))); },
          [] { return keptgoals().trouble; }}},
        {"keyboard.dat",
         {&keyboardfile,
          [] {
              QString trouble;
              return keptkeyboard(trouble).value_or(QStringLiteral("none"));
          },
          [] {
              QString said;
              bool unkept = false;
              loadkeyboard(said, unkept);
              return said;
          }}},
        {"language.dat",
         {&languagefile,
          [] {
              SettingsRead read;
              const QString choice = keptlanguage(read);
              return choice.isEmpty() ? QStringLiteral("system") : choice;
          },
          // The language read kept again, as a choice in the Language menu keeps it.
          [] {
              SettingsRead read;
              const QString choice = keptlanguage(read);
              return read.unkept ? read.said : keeplanguage(choice).said;
          }}},
        {"replays.dat",
         {&replaysfile,
          [] {
              const std::optional<Replay> best = loadreplays().book.bestof(RaceLevel::Easy);
              return best ? QString::number(best->length) : QStringLiteral("none");
          },
          // A race kept.
          [] { return keepreplay(hardrace).trouble; }}},
        {"textplaces.dat",
         {&placesfile, [] { return QString::number(placeof(QStringLiteral("/a"))); },
          // A place kept in another text.
          [] { return keepplace(QStringLiteral("/c"), 2); }}},
    };
    return all;
}

} // namespace

class SettingsFilesTest : public QObject {
    Q_OBJECT
private slots:
    void eachdamage_data();
    void eachdamage();
};

void SettingsFilesTest::eachdamage_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("after"); // "kept aside", "untouched" or "written"
    QTest::addColumn<QString>("value"); // what the game still shows of the good value
    const QByteArray coach = "\"keystrider-coach\",1,\"target\",42";
    const QByteArray sound = "\"keystrider-sound\",1,\"volume\",75";
    const QByteArray goal = "\"keystrider-goal\",1,\"goal\",\"2026-12-01\",15";
    const QByteArray replays =
        "\"keystrider-replays\",1,\"showbest\",1\r\n\"best\",\"Easy\",5000,\"1000:250\"";
    const QByteArray place = "\"%2Fa\",7";
    const QByteArray language = "\"keystrider-language\",1,\"language\",\"de\"";
    const QByteArray nul(1, '\0');
    const QByteArray garbage = "\r\n\x01\xff garbage,\"";
    const QString aside = QStringLiteral("kept aside");
    // clang-format off
    const QList<std::tuple<const char*, QString, QByteArray, QString, QString>> rows{
        {"as written", "coachplan.dat", coach + ",\"words\",\"de\"\r\n", "written", "42"},
        {"cut short", "coachplan.dat", coach + ",\"words\",\"d", aside, "42"},
        {"garbage after it", "coachplan.dat", coach + garbage, aside, "42"},
        {"a NUL", "coachplan.dat", coach + ",\"words\",\"d" + nul + "\"\r\n", aside, "42"},
        {"a newer copy's", "coachplan.dat", QByteArray(coach).replace(",1,", ",2,") + "\r\n", "untouched", "42"},
        {"an impossible tally", "coachplan.dat", coach + ",\"tries\",\"en\",\"112:2:-140:1\"\r\n", aside, "42"},
        {"a target out of range", "coachplan.dat", QByteArray(coach).replace("42", "1000") + "\r\n", aside, "150"},
        {"empty", "coachplan.dat", "", "written", "35"},
        {"as written", "sound.dat", sound + ",\"clicks\",1\r\n", "written", "75"},
        {"cut short", "sound.dat", sound + ",\"cli", aside, "75"},
        {"cut after a digit", "sound.dat", sound + ",\"game\",1", aside, "75"},
        {"garbage after it", "sound.dat", sound + garbage, aside, "75"},
        {"a NUL", "sound.dat", sound + ",\"game\"," + nul + "\r\n", aside, "75"},
        {"a newer copy's", "sound.dat", QByteArray(sound).replace(",1,", ",2,") + "\r\n", "untouched", "75"},
        {"out of range", "sound.dat", QByteArray(sound).replace("75", "-50") + "\r\n", aside, "0"},
        {"empty", "sound.dat", "", "written", "50"},
        {"as written", "practicegoal.dat", goal + "\r\n", "written", "15"},
        {"cut short", "practicegoal.dat", goal + ",\"goal\",\"2027-0", aside, "15"},
        {"garbage after it", "practicegoal.dat", goal + garbage, aside, "15"},
        {"a NUL", "practicegoal.dat", goal + ",\"goal\",\"2027" + nul + "\",20\r\n", aside, "15"},
        {"a newer copy's", "practicegoal.dat", QByteArray(goal).replace(",1,", ",2,") + "\r\n", "untouched", "15"},
        {"out of range", "practicegoal.dat", QByteArray(goal).replace(",15", ",99") + "\r\n", aside, "60"},
        {"empty", "practicegoal.dat", "", "written", "10"},
        {"as written", "keyboard.dat", "\"de\"\r\n", "written", "de"},
        {"cut short", "keyboard.dat", "\"d", aside, "none"},
        {"garbage after it", "keyboard.dat", "\"de\"" + garbage, aside, "de"},
        {"a NUL", "keyboard.dat", "\"d" + nul + "e\"\r\n", aside, "none"},
        {"empty", "keyboard.dat", "", "written", "none"},
        {"as written", "language.dat", language + "\r\n", "written", "de"},
        {"cut short", "language.dat", language + ",\"langu", aside, "de"},
        {"garbage after it", "language.dat", language + garbage, aside, "de"},
        {"a NUL", "language.dat", "\"keystrider-language\",1,\"language\",\"d" + nul + "\"\r\n", aside, "system"},
        {"a newer copy's", "language.dat", QByteArray(language).replace(",1,", ",2,") + "\r\n", "untouched", "de"},
        {"a language not spoken", "language.dat", QByteArray(language).replace("de", "nl") + "\r\n", aside, "system"},
        {"empty", "language.dat", "", "written", "system"},
        {"as written", "replays.dat", replays + "\r\n", "written", "5000"},
        {"cut short", "replays.dat", replays + "\r\n\"race\",\"Hard\",12", aside, "5000"},
        {"garbage after it", "replays.dat", replays + garbage, aside, "5000"},
        {"a NUL", "replays.dat", replays + "\r\n\"race\",\"Hard\",1" + nul + ",\"\"\r\n", aside, "5000"},
        {"a newer copy's", "replays.dat", QByteArray(replays).replace(",1,", ",2,") + "\r\n", "untouched", "5000"},
        {"a race of more than an hour", "replays.dat", replays + "\r\n\"race\",\"Easy\",3600001,\"\"\r\n", aside, "5000"},
        {"empty", "replays.dat", "", "written", "none"},
        {"as written", "textplaces.dat", place + "\r\n", "written", "7"},
        {"cut short", "textplaces.dat", place + "\r\n\"%2Fb\",1", aside, "7"},
        {"garbage after it", "textplaces.dat", place + garbage, aside, "7"},
        {"a NUL", "textplaces.dat", place + "\r\n\"%2Fb" + nul + "\",1\r\n", aside, "7"},
        {"out of range", "textplaces.dat", place + "\r\n\"%2Fb\",-1\r\n", aside, "7"},
        {"empty", "textplaces.dat", "", "written", "0"},
    };
    // clang-format on
    for (const auto& [form, name, bytes, after, value] : rows)
        QTest::addRow("%s, %s", qPrintable(name), form) << name << bytes << after << value;
}

void SettingsFilesTest::eachdamage() {
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, after);
    const KeptFile& kept = keptfiles()[name];
    GameFixture fixture;
    fixture.writefile(name, bytes);
    const QString path = fixture.folder() + name;

    const QString told = kept.use();

    QByteArray now;
    QVERIFY(readwholefile(path, now));
    QByteArray copy;
    const bool copied = readwholefile(path + QStringLiteral(".damaged"), copy);
    if (after == QLatin1String("kept aside")) {
        QVERIFY(copied);
        QCOMPARE(copy, bytes);
        QCOMPARE(told, QStringLiteral("%1 was damaged: it is kept as %1.damaged, and what could "
                                      "be read of it is used.")
                           .arg(name));
    } else if (after == QLatin1String("untouched")) {
        QVERIFY(!copied);
        QCOMPARE(now, bytes);
        QVERIFY2(told.startsWith(name + QStringLiteral(" was written by a newer copy")),
                 qPrintable(told));
    } else {
        QVERIFY(!copied);
        QCOMPARE(told, QString());
    }
    QTEST(kept.value(), "value");
    // Mended, the file reads whole: the player is not told again.
    if (after != QLatin1String("untouched") && !holdsnothing(now)) {
        QCOMPARE(kept.file().judge(now), Reading::Whole);
        QCOMPARE(kept.use(), QString());
    }
}

QTEST_GUILESS_MAIN(SettingsFilesTest)
#include "settingsfiles_test.moc"
