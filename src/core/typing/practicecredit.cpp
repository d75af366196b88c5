#include "typing/practicecredit.h"

#include "career/career.h"
#include "typing/levels.h"

PracticeCredit::PracticeCredit(Career* career) : career(career) {}

void PracticeCredit::credit(int levelindex) const {
    if (career)
        career->changetrainingby(practicelevels().at(static_cast<std::size_t>(levelindex)).points);
}
