#include "coach/owntextdrill.h"

#include <QCoreApplication>

QString OwnTextDrill::start() {
    if (reading)
        return QCoreApplication::translate("Drill", "The text is still being read.");
    if (text.sentences.isEmpty())
        return QCoreApplication::translate("Drill", "Choose a text to type first.");
    at = places.placeof(text.path);
    if (at < 0 || at >= text.sentences.size())
        at = 0;
    done = false;
    return {};
}

QString OwnTextDrill::entry() const {
    return done ? QString() : text.sentences[at];
}

QString OwnTextDrill::typed(bool) {
    ++at;
    if (at >= text.sentences.size())
        at = 0; // the text is done; it starts again next time
    done = at == 0;
    places.moved(text.path, at);
    return {};
}
