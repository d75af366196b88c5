#include "services/rewardbag.h"

#include "common/clock.h"
#include "common/number.h"
#include "common/random.h"

namespace {

bool needsmet(BagNeeds needs, const CareerState& career) {
    switch (needs) {
    case BagNeeds::Nothing:
        return true;
    case BagNeeds::Money:
        return career.money != 0;
    case BagNeeds::TwoDays:
        return career.days >= 2;
    case BagNeeds::NotLastDay:
        return daysleft(career) != 1;
    }
    return false;
}

bool changed(std::int32_t& value, int amount) {
    const std::optional<std::int32_t> sum =
        roundtofit<std::int32_t>(static_cast<double>(value) + amount);
    if (sum)
        value = *sum;
    return sum.has_value();
}

} // namespace

std::optional<CareerState> openbag(const BagLot& lot, CareerState career) {
    if (!needsmet(lot.needs, career))
        return std::nullopt;
    bool fits = true;
    switch (lot.change) {
    case BagChange::None:
        break;
    case BagChange::Money:
        fits = changed(career.money, lot.amount);
        break;
    case BagChange::Days:
        fits = changed(career.days, lot.amount);
        break;
    case BagChange::Training:
        fits = changed(career.training, lot.amount);
        break;
    }
    if (!fits)
        return std::nullopt;
    return career;
}

QString bagmessage(const BagLot& lot) {
    return QCoreApplication::translate("RewardBag", lot.message);
}

int drawrewardbag(const CareerState& career) {
    for (;;) {
        randomize(timeofday());
        const int r = wholeupto(baglots);
        // Reseeding mixes into the generator, so a standing clock still gives fresh draws, and
        // the empty lots can always happen.
        if (openbag(baglot(r), career))
            return r;
    }
}

std::optional<Sound> bagsound(const BagLot& lot) {
    if (lot.change == BagChange::None || lot.amount == 0)
        return std::nullopt;
    // Days are the days played: fewer of them leave more to play.
    const bool gain = lot.change == BagChange::Days ? lot.amount < 0 : lot.amount > 0;
    return gain ? Sound::BagWindfall : Sound::BagMishap;
}
