#include "coach/pairweighting.h"

#include "coach/coachplan.h"
#include "coach/languagewords.h"
#include "keyboard/layoutlanguage.h"

PairWeights coachpairweights(const QString& layout) {
    QString trouble; // the coach tells it
    const CoachPlan plan = keptcoachplan(trouble);
    QString why;
    return pairweights(
        loadlanguagewords(drilllanguage(plan.language, layoutlanguage(layout), why)).words);
}
