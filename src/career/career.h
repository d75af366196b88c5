#pragma once

#include "career/career_state.h"
#include "career/country.h"

#include <QObject>

// The commands that can be used once a day; a new day brings them all back.
enum class Activity { RewardBag, TicTacToe, Competition };

// The player's career, handed to every window that reads or changes it.
//
// It keeps two copies of the five values: the career itself, and what the status panel shows.
// The main window's own code changes the career and then shows it with updatestatus; another
// window changes what is shown and the career takes it over (the exchange). A shown value that
// changes raises its signal at once, inside the change, and the game hangs its order on that:
// a new day count opens the day's activities, new training points run the promotion check.
// Showing the same value again raises nothing.
class Career : public QObject {
    Q_OBJECT
public:
    explicit Career(QObject* parent = nullptr);

    // The career.
    const CareerState& state() const { return now; }
    const QString& playername() const { return now.playername; }
    std::int16_t rank() const { return now.rank; }
    std::int32_t money() const { return now.money; }
    std::int32_t days() const { return now.days; }
    std::int32_t training() const { return now.training; }
    // What the status panel shows. It differs from the career between a change and the next
    // updatestatus, and in the training points after resetvalues until the next refresh.
    const CareerState& shown() const { return onpanel; }

    // Changes made by the main window's own code, shown by the next updatestatus.
    void setplayername(const QString& name) { now.playername = name; }
    void setrank(std::int16_t rank) { now.rank = rank; }
    void setmoney(std::int32_t money) { now.money = money; }
    void setdays(std::int32_t days) { now.days = days; }
    void settraining(std::int32_t training) { now.training = training; }
    // Shows the career, in the order name, money, rank, days, training.
    void updatestatus();

    // Changes from another window: shown at once, then the whole career is taken from what is
    // shown, as the exchange always did.
    void changemoney(std::int32_t money);
    void changetraining(std::int32_t training);
    // The same by an amount added to what is shown, stopping at the edge of the 32 bits rather
    // than wrapping round: the one place the career's sums are checked.
    void changemoneyby(std::int64_t amount);
    void changetrainingby(std::int64_t points);
    // The same, one value at a time, for a window that shows several before the career takes
    // them over (a load), and the taking over itself.
    void showplayername(const QString& name);
    void showmoney(std::int32_t money);
    void showrank(std::int16_t rank);
    void showdays(std::int32_t days);
    void showtraining(std::int32_t training);
    void takeshown();

    // Clears the career; the training shown stays until the next refresh, and the log holds a
    // single blank.
    void resetvalues();

    // The event log, with CR LF line ends. An entry is a line; `appendlog` adds text as it is.
    const QString& log() const { return logtext; }
    void updatelog(const QString& entry);
    void appendlog(const QString& text);
    void setlog(QString text);

    // Where the player is; None only while a flight is under way.
    Country country() const { return where; }
    void setcountry(Country country);

    // The once-a-day commands.
    bool available(Activity activity) const;
    void use(Activity activity);
    // The new-day switches: the once-a-day commands come back and `daybegan` draws the day's
    // competitions.
    void openday();
    // How many days have begun, so a career's start can tell whether its day was opened.
    int daysbegun() const { return newdays; }

    // What a saved game keeps of the career, and whether that changed since the career was
    // begun, saved or loaded.
    CareerMark mark() const { return {now, logchanges}; }
    bool unsaved() const { return mark() != savedmark; }
    // The file the career was last saved to or loaded from in this run; empty for a new one.
    const QString& file() const { return careerfile; }
    // The career as it stands is the one saved to, or loaded from, that file.
    void markcareer(const QString& file);
    // A New game or a load is complete: its day opens, unless the new-day switches ran since
    // `daysbefore` (a new career on the day number of the last would keep the last one's used
    // commands), and it counts as unchanged.
    void begincareer(int daysbefore, const QString& file);

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
    void makeavailable(Activity activity, bool available);
    // The promotion check, on new training points shown.
    void checkpromotion();

    CareerState now;
    CareerState onpanel;
    // The numbers the panel shows none of yet: until the first refresh each is blank, so the
    // first showing is a change.
    unsigned blank = 15;
    QString logtext;
    std::uint64_t logchanges = 0;
    Country where = Country::Singapore;
    bool bagfree = true;
    bool tictacfree = true;
    bool competitionfree = true;
    int newdays = 0;
    CareerMark savedmark;
    QString careerfile;
};
