#include "tictactoe/strategies.h"

#include "common/textfile.h"
#include "tictactoe/fields.h"

namespace {
const QString brainfile = QStringLiteral("brain.dat");
}

QStringList loadbrain(const QString& folder) {
    return everyfieldof(folder + brainfile);
}

bool learnstrategy(const QString& folder, const QString& strategy) {
    return appendtofile(folder + brainfile, LineWriter().text(strategy).line());
}
