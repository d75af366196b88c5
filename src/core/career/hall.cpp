#include "career/hall.h"

#include "career/score.h"
#include "common/filewriting.h"
#include "common/programfolder.h"

bool addtohall(const QString& playername, std::int64_t score) {
    return appendtofile(apppath() + hallfilename,
                        LineWriter().text(hallentry(playername, score)).line());
}

bool HallEntries::next(QString& shown) {
    bool cut = false;
    if (!reader.next(shown, longestshown, cut))
        return false;
    if (cut)
        shown += QChar(0x2026);
    return true;
}
