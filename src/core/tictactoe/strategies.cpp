#include "tictactoe/strategies.h"
#include "common/filewriting.h"

#include "common/fields.h"
#include "common/textfile.h"

QStringList loadbrain(const QString& folder, FileRead& read) {
    return everyfieldof(folder + brainfile, largestbrain, read);
}

bool learnstrategy(const QString& folder, const QString& strategy) {
    return appendtofile(folder + brainfile, LineWriter().text(strategy).line());
}
