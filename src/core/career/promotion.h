#pragma once

#include <cstdint>

// Training points needed for each rank: strictly more than the value of its row.
struct PromotionRow {
    std::int16_t rank;
    std::int32_t morethan;
};

inline constexpr PromotionRow promotiontable[] = {{1, 15},  {2, 25},  {3, 50},  {4, 80},
                                                  {5, 120}, {6, 150}, {7, 200}, {8, 250}};

// The rank the training points earn; a rank is never lowered, several may come at once.
constexpr std::int16_t promotedrank(std::int16_t rank, std::int32_t training) {
    for (const PromotionRow& row : promotiontable)
        if (training > row.morethan && rank < row.rank)
            rank = row.rank;
    return rank;
}

// The two goals, as the status panel shows the career: exactly rank 8, or $25000 and more.
constexpr bool rankgoal(std::int16_t rank) {
    return rank == 8;
}
constexpr bool moneygoal(std::int32_t money) {
    return money >= 25000;
}
