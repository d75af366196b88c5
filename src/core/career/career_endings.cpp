// The two ends of a career.
#include "career/career.h"
#include "career/score.h"

Success Career::succeed() {
    const Success success{playername(), careerscore(state())};
    resetvalues();
    updatelog(tr("Your game has ended..."));
    updatelog(tr("with a score of %1!").arg(success.score));
    // The score is what is left of the career: nothing to lose, and nothing of it to save over
    // the file it came from without asking.
    markcareer(QString());
    return success;
}

void Career::fail() {
    resetvalues();
}
