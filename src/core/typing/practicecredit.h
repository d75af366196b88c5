#pragma once

#include <QPointer>

class Career;

// What a practice exercise earns: the training points of its level (0 for Beginner up to 4 for
// Expert) in full once it ends, however few entries were typed, restarted or completed. Shown
// at once, they may promote the player.
class PracticeCredit {
public:
    explicit PracticeCredit(Career* career);
    // Nothing without a career.
    void credit(int levelindex) const;

private:
    const QPointer<Career> career;
};
