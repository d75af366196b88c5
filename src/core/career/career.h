#pragma once

#include "battledisk/battledisk.h"
#include "career/career_state.h"
#include "career/country.h"

#include <QObject>

#include <optional>

struct SavedGame;
struct BagLot;
enum class TimeTravelOutcome;

// A name typed for a New game: an empty one is asked again; one that the saved games, the battle
// disk and the hall of fame would keep as '?' is refused, and namelettersmessage() says why; a
// name of blanks is a name.
enum class NameCheck { Empty, Unkeepable, Fine };
NameCheck checkplayername(const QString& name);

// The commands that can be used once a day; a new day brings them all back.
enum class Activity { RewardBag, TicTacToe, Competition };

// What became of a day asked for: time was up (and nothing changed), or it passed.
enum class DayOutcome { Passed, TimeUp };

// Whether a flight to a country can go ahead.
enum class FlightCheck { AlreadyThere, NotEnoughMoney, MayFly };

// What is left of a career that reached its goal: its name and its score.
struct Success {
    QString playername;
    std::int64_t score = 0;
};

// What came of a command on a battle disk.
enum class DiskOutcome { Done, NoDisk, WrongDisk };
struct DiskResult {
    DiskOutcome outcome = DiskOutcome::NoDisk;
    // Why the disk was no disk, when there is more to say than that there is none.
    QString trouble;
    // Who won, when the duel was fought.
    bool playerwon = false;
};

// The player's career, handed to every window that reads or changes it, and every rule of the
// career game.
//
// The career is held once, as the status panel shows it. Its operations change it in steps and
// show it before they return (updatestatus); until then each value changed waits as pending.
// A value that shows changed raises its signal at once, inside the change, and the game hangs
// its order on that: a new day count opens the day's activities, new training points run the
// promotion check. Another window's change (the exchange) shows at once and then takes the
// panel as the career (reversevalue), pending values dropped. Showing the same value again
// raises nothing.
class Career : public QObject {
    Q_OBJECT
public:
    explicit Career(QObject* parent = nullptr);

    // The career with the values not yet shown.
    CareerState state() const;
    QString playername() const { return state().playername; }
    std::int16_t rank() const { return state().rank; }
    std::int32_t money() const { return state().money; }
    std::int32_t days() const { return state().days; }
    std::int32_t training() const { return state().training; }
    // The career as the status panel shows it. It differs from state() only in the training
    // points after resetvalues, until the next updatestatus.
    const CareerState& shown() const { return panel; }

    // Shows every value waiting, in the order name, money, rank, days, training.
    void updatestatus();
    // Takes the panel as the career: values waiting are dropped.
    void reversevalue();
    // A career begun elsewhere (the screenshots, a test), put in place and shown.
    void setstate(const CareerState& state);

    // The exchange: another window's change, shown at once and then taken as the career. By an
    // amount, a sum stops at the edge of the 32 bits rather than wrapping round.
    void changemoney(std::int32_t money);
    void changemoneyby(std::int64_t amount);
    void changetrainingby(std::int64_t points);

    // Clears the career; the training shown stays until the next updatestatus, and the log
    // holds a single blank.
    void resetvalues();

    // A New game for `name`: the starting values and the objectives in the log.
    void newcareer(const QString& name);
    // A saved game in place of the career: each value shown in turn, a day later than saved,
    // and its log. The country follows with backtosingapore once the player heard of the load.
    void load(SavedGame game);
    void backtosingapore(const QString& file);
    // A New game or a load is complete: its day opens, unless the new-day switches ran since
    // it began (a new career on the day number of the last would keep the last one's used
    // commands), and it counts as unchanged since `file`.
    void begincareer(const QString& file);

    // Next Day: a day passes, with its event, and shows.
    DayOutcome nextday();
    FlightCheck mayfly(Country country) const;
    // The fare paid, a day passed and the arrival: TimeUp when time ran out on the way (the
    // fare is gone).
    DayOutcome fly(Country country);

    // The success ending: the score and name kept, the career cleared, the end in the log.
    Success succeed();
    // The failure ending: the career cleared.
    void fail();

    // The time machine: the trip paid for and shown, or refused.
    TimeTravelOutcome timetravel(double traveldays);
    // A lot of the reward bag, drawn to fit this career, made to happen.
    void openbag(const BagLot& lot);
    // A cheat code: false when none matches. Shows the career either way.
    bool cheat(const QString& code);

    // The battle disk: what this career writes on one.
    BattleDisk disk() const;
    // The owner takes the money back from their own disk at `path`.
    DiskResult takeback(const QString& path);
    // The duel against the typist of the disk at `path`: read, decided, written back with its
    // new money, and only then the player's money changed. A disk that can't be read or written
    // changes nothing.
    DiskResult duel(const QString& path);

    // The event log, with CR LF line ends. An entry is a line; `appendlog` adds text as it is.
    const QString& log() const { return logtext; }
    void updatelog(const QString& entry);
    void appendlog(const QString& text);
    void setlog(QString text);

    // Where the player is; None only while a flight is under way.
    Country country() const { return where; }
    void setcountry(Country country);
    // Off every country, while a flight is under way or a load brings the player back.
    void clearcountries() { setcountry(Country::None); }

    // The once-a-day commands.
    bool available(Activity activity) const;
    void use(Activity activity);
    // The new-day switches: the once-a-day commands come back and `daybegan` draws the day's
    // competitions.
    void openday();

    // What a saved game keeps of the career, and whether that changed since the career was
    // begun, saved or loaded.
    CareerMark mark() const { return {state(), logchanges}; }
    bool unsaved() const { return mark() != savedmark; }
    // The file the career was last saved to or loaded from in this run; empty for a new one.
    const QString& file() const { return careerfile; }
    // The career as it stands is the one saved to, or loaded from, that file.
    void markcareer(const QString& file);

signals:
    void playernamechanged(const QString& name);
    void moneychanged(std::int32_t money);
    void rankchanged(std::int16_t rank);
    void dayschanged(std::int32_t days);
    void trainingchanged(std::int32_t training);
    // A log entry or text appended; `entry` when it is an entry, which the log shows as the
    // player's place.
    void logappended(const QString& text, bool entry);
    void logreplaced(const QString& text);
    void countrychanged(Country country);
    void availabilitychanged(Activity activity, bool available);
    void daybegan();

private:
    // The values an operation changed and has not shown yet.
    struct Pending {
        std::optional<QString> playername;
        std::optional<std::int16_t> rank;
        std::optional<std::int32_t> money;
        std::optional<std::int32_t> days;
        std::optional<std::int32_t> training;
    };

    void setplayername(const QString& name) { pending.playername = name; }
    void setrank(std::int16_t rank) { pending.rank = rank; }
    void setmoney(std::int32_t money) { pending.money = money; }
    void setdays(std::int32_t days) { pending.days = days; }
    void settraining(std::int32_t training) { pending.training = training; }

    // Each shows one value, and runs what hangs on its change.
    void showplayername(const QString& name);
    void showmoney(std::int32_t money);
    void showrank(std::int16_t rank);
    void showdays(std::int32_t days);
    void showtraining(std::int32_t training);

    // One day passes, with its event; shown by the caller.
    DayOutcome datechange();
    void makeavailable(Activity activity, bool available);
    // The promotion check, on new training points shown.
    void checkpromotion();

    CareerState panel;
    Pending pending;
    // The numbers the panel shows none of yet: until the first refresh each is blank, so the
    // first showing is a change.
    unsigned blank = 15;
    QString logtext;
    std::uint64_t logchanges = 0;
    Country where = Country::Singapore;
    bool bagfree = true;
    bool tictacfree = true;
    bool competitionfree = true;
    // How many days have begun, and how many had when the career in play began.
    int newdays = 0;
    int newdaysatbegin = 0;
    CareerMark savedmark;
    QString careerfile;
};
