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
    // Anything more the player should be told of a command done.
    QString more;
};

// The two goals of a career: exactly rank 8, or $25000 and more.
enum class Goal { Rank, Money };

// The player's career, handed to every window that reads it, and every rule of the career game.
// It is the only writer of its values: a window asks it, or an activity of its own, to do a
// thing, and shows what the career says.
//
// The career is held once, as the status panel shows it. Its operations change it in steps and
// show it before they return (updatestatus); until then each value changed waits as pending.
// A value that shows changed raises its signal at once, inside the change, and the game hangs
// its order on that: the operation that brings a new day count opens the day's activities there
// and then, and one that brings new training points runs the promotion check, each before the
// next value shows. Showing the same value again raises nothing.
//
// The activities of the side windows (the exchange's users below) change it as the game always
// had another window do it: the change shows at once and then the panel is taken as the career
// (reversevalue), pending values dropped. So after a reset the training points shown stay until
// the next refresh, and such a change takes them back.
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
    // points after a reset, until the next updatestatus.
    const CareerState& shown() const { return shownvalues; }
    // Days left, as the main window shows them.
    std::int64_t daysleft() const { return ::daysleft(state()); }

    // A New game for `name`: the starting values and the objectives in the log.
    void newcareer(const QString& name);
    // A saved game in place of the career: each value shown in turn, a day later than saved,
    // and its log. The country follows with backtosingapore once the player heard of the load.
    void load(SavedGame game);
    void backtosingapore(const QString& file);
    // A New game or a load is complete: its day opens, unless a day was opened since it began
    // (a new career on the day number of the last would keep the last one's used commands),
    // and it counts as unchanged since `file`.
    void begincareer(const QString& file);

    // Next Day: a day passes, with its event, and shows. When time is up nothing changes and
    // daysranout is raised first.
    DayOutcome nextday();
    FlightCheck mayfly(Country country) const;
    // The fare paid, a day passed and the arrival: TimeUp, with daysranout, when time ran out
    // on the way (the fare is gone).
    DayOutcome fly(Country country);

    // The objective check: the goals tested as the status panel shows the career, the rank
    // first, each goal shown raising goalreached at once. A success handled there clears the
    // career, so the money tested after it is the cleared career's.
    void checkgoals();
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

    // What a saved game keeps of the career as the status panel shows it, the panel refreshed
    // first: the game has always saved what it shows.
    SavedGame tosave();

    // The event log, with CR LF line ends. An entry is a line.
    const QString& log() const { return logtext; }

    // Where the player is; None only while a flight is under way.
    Country country() const { return where; }

    // The once-a-day commands: whether one may be used today, and its use.
    bool available(Activity activity) const;
    void use(Activity activity);

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
    // A new day began: the day's competitions are to be drawn.
    void daybegan();
    // The objective check found a goal shown.
    void goalreached(Goal goal);
    // A day was asked for with the days already run out.
    void daysranout();

private:
    // The exchange's users: the activities of the side windows, each changing the career as
    // its window always had.
    friend class CompetitionDay;
    friend class CompetitionRace;
    friend class PracticeCredit;
    friend class DoubleOrNothing;
    friend class TicTacToeMatch;
    // Careers put in place for the tests, the benchmarks and the screenshots.
    friend class CareerStaging;

    // The values an operation changed and has not shown yet.
    struct Pending {
        std::optional<QString> playername;
        std::optional<std::int16_t> rank;
        std::optional<std::int32_t> money;
        std::optional<std::int32_t> days;
        std::optional<std::int32_t> training;
    };

    // Shows every value waiting, in the order name, money, rank, days, training; a new day
    // count opens the day before the training shows, new training points run the promotion
    // check.
    void updatestatus();
    // Takes the panel as the career: values waiting are dropped.
    void reversevalue();
    // A career put in place and shown.
    void setstate(const CareerState& state);
    // Clears the career; the training shown stays until the next updatestatus, and the log
    // holds a single blank.
    void resetvalues();

    // The exchange: another window's change, shown at once and then taken as the career. By an
    // amount, a sum stops at the edge of the 32 bits rather than wrapping round.
    void changemoney(std::int32_t money);
    void changemoneyby(std::int64_t amount);
    void changetrainingby(std::int64_t points);

    void setplayername(const QString& name) { pending.playername = name; }
    void setrank(std::int16_t rank) { pending.rank = rank; }
    void setmoney(std::int32_t money) { pending.money = money; }
    void setdays(std::int32_t days) { pending.days = days; }
    void settraining(std::int32_t training) { pending.training = training; }

    // Each shows one value: true when what shows changed, and its signal was raised.
    bool showplayername(const QString& name);
    bool showmoney(std::int32_t money);
    bool showrank(std::int16_t rank);
    bool showdays(std::int32_t days);
    bool showtraining(std::int32_t training);
    // Shows a new day count and opens the day it brings; shows new training points and checks
    // them for a promotion.
    void takedays(std::int32_t days);
    void taketraining(std::int32_t training);

    // One day passes, with its event; shown by the caller.
    DayOutcome datechange();
    void makeavailable(Activity activity, bool available);
    // The new-day switches: the once-a-day commands come back and `daybegan` draws the day's
    // competitions.
    void openday();
    // The promotion check, on new training points shown.
    void checkpromotion();

    // An entry is a line; `appendlog` adds text as it is.
    void updatelog(const QString& entry);
    void appendlog(const QString& text);
    void setlog(QString text);
    void setcountry(Country country);
    // Off every country, while a flight is under way or a load brings the player back.
    void clearcountries() { setcountry(Country::None); }

    CareerState shownvalues;
    Pending pending;
    // The numbers the panel has shown none of yet: until the first refresh each is blank, so
    // the first showing is a change.
    unsigned nevershown = 15;
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
