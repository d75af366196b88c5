#pragma once

#include "coach/owntext.h"

#include <QStringList>

#include <functional>

class QObject;

// A text, read away from the window's thread.
struct LoadedText {
    OwnText text;
};

// Reads the text at `path` on a thread of its own: a long text takes a while to read and split,
// and the window answers meanwhile. `done`
// runs on `receiver`'s thread once the text is in hand, or never if the receiver is gone.
void loadowntextaside(const QString& path, QObject* receiver,
                      std::function<void(LoadedText&)> done);
