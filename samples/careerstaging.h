#pragma once

#include "career/career.h"

// A career put as a test, a benchmark or a picture needs it, past the rules of how a career gets
// there: the game itself never writes a career this way, it asks the career to do things. Each
// call does what the career does inside its own operations.
class CareerStaging {
public:
    explicit CareerStaging(Career& career) : career(career) {}

    // The values put in place and shown, as a refresh shows them: a new day count opens the
    // day, new training points run the promotion check.
    void setstate(const CareerState& state) const { career.setstate(state); }
    void updatestatus() const { career.updatestatus(); }
    void resetvalues() const { career.resetvalues(); }
    // Another window's change: shown at once, then the panel taken as the career.
    void changemoney(std::int32_t money) const { career.changemoney(money); }
    void changemoneyby(std::int64_t amount) const { career.changemoneyby(amount); }
    void changetrainingby(std::int64_t points) const { career.changetrainingby(points); }
    void updatelog(const QString& entry) const { career.updatelog(entry); }
    void appendlog(const QString& text) const { career.appendlog(text); }
    void setlog(const QString& text) const { career.setlog(text); }
    void setcountry(Country country) const { career.setcountry(country); }

private:
    Career& career;
};

inline CareerStaging staged(Career& career) {
    return CareerStaging(career);
}
inline CareerStaging staged(Career* career) {
    return CareerStaging(*career);
}
