#pragma once

#include "coach/drill.h"
#include "coach/owntext.h"
#include "coach/placekeeper.h"

#include <cstdint>
#include <utility>

// The player's own text, sentence by sentence from where they stopped last time; the keeper
// learns the place after every sentence. The drill ends at the text's end, which the next one
// starts again.
class OwnTextDrill : public Drill {
public:
    // `reading`: a text chosen is still being read; the drill waits for it rather than type the
    // one it replaces.
    OwnTextDrill(OwnText text, bool reading, PlaceKeeper& places)
        : text(std::move(text)), reading(reading), places(places) {}
    QString start() override;
    QString entry() const override;
    QString typed(bool wrongkey) override;
    bool finished() const override { return done; }
    QString level() const override { return owntextname; }
    QList<QChar> keys() const override { return entrykeys(entry()); }

private:
    OwnText text;
    bool reading;
    PlaceKeeper& places;
    std::int64_t at = 0;
    bool done = true;
};
