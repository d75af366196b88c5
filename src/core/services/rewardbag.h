#pragma once

#include "career/career_state.h"
#include "sound/sounds.h"

#include <QCoreApplication>
#include <QString>

#include <iterator>
#include <optional>

// The Mysterious Reward Bag: twenty equal lots, some of which only a suitable career can draw.
enum class BagChange { None, Money, Days, Training };
enum class BagNeeds { Nothing, Money, TwoDays, NotLastDay };

struct BagLot {
    const char* message; // English; bagmessage() gives it in the player's language
    BagChange change;
    int amount;
    BagNeeds needs;
};

inline constexpr const char* bagnothing = QT_TRANSLATE_NOOP("RewardBag", "Nothing happened!");
inline constexpr const char* bagtwenty = QT_TRANSLATE_NOOP("RewardBag", "You drew out $20 cash!");
inline constexpr const char* bagwiser =
    QT_TRANSLATE_NOOP("RewardBag", "You found that you are suddenly more experienced...");

inline constexpr BagLot rewardbag[] = {
    {bagnothing, BagChange::None, 0, BagNeeds::Nothing},
    {bagnothing, BagChange::None, 0, BagNeeds::Nothing},
    {bagtwenty, BagChange::Money, 20, BagNeeds::Nothing},
    {QT_TRANSLATE_NOOP("RewardBag", "You drew out $40 cash!"), BagChange::Money, 40,
     BagNeeds::Nothing},
    {QT_TRANSLATE_NOOP("RewardBag", "You drew out $50 cash!"), BagChange::Money, 50,
     BagNeeds::Nothing},
    {QT_TRANSLATE_NOOP("RewardBag", "A ghost snatched $50 from you!"), BagChange::Money, -50,
     BagNeeds::Money},
    {QT_TRANSLATE_NOOP("RewardBag", "A ghost snatched $20 from you!"), BagChange::Money, -20,
     BagNeeds::Money},
    {QT_TRANSLATE_NOOP("RewardBag", "You drew out $100 cash!"), BagChange::Money, 100,
     BagNeeds::Nothing},
    {QT_TRANSLATE_NOOP(
         "RewardBag",
         "A big explosion happened. You found that you have been thrown back in time by 2 days!"),
     BagChange::Days, -2, BagNeeds::TwoDays},
    {bagnothing, BagChange::None, 0, BagNeeds::Nothing},
    {bagnothing, BagChange::None, 0, BagNeeds::Nothing},
    {bagtwenty, BagChange::Money, 20, BagNeeds::Nothing},
    {QT_TRANSLATE_NOOP(
         "RewardBag",
         "A big explosion happened. You found that you have been thrown forward in time by 1 days!"),
     BagChange::Days, 1, BagNeeds::NotLastDay},
    {bagwiser, BagChange::Training, 5, BagNeeds::Nothing},
    {bagwiser, BagChange::Training, 5, BagNeeds::Nothing},
    {bagnothing, BagChange::None, 0, BagNeeds::Nothing},
    {bagnothing, BagChange::None, 0, BagNeeds::Nothing},
    {QT_TRANSLATE_NOOP("RewardBag", "You found that you are suddenly less experienced..."),
     BagChange::Training, -3, BagNeeds::Nothing},
    {bagnothing, BagChange::None, 0, BagNeeds::Nothing},
    {bagnothing, BagChange::None, 0, BagNeeds::Nothing},
};
inline constexpr int baglots = static_cast<int>(std::size(rewardbag));

// Lot r, 1 to 20.
constexpr const BagLot& baglot(int r) {
    return rewardbag[r - 1];
}

// The career with the lot's change made, or nothing when the lot can't happen to it: its
// condition fails, or the change would leave the 32-bit range.
std::optional<CareerState> openbag(const BagLot& lot, CareerState career);

// Draws lots, reseeding from the clock before each, until one can happen; returns its number.
int drawrewardbag(const CareerState& career);

// What the player is told of the lot.
QString bagmessage(const BagLot& lot);

// How the lot sounds: a windfall gives money, training or days back, a mishap takes them; a lot
// that changes nothing is silent.
std::optional<Sound> bagsound(const BagLot& lot);
