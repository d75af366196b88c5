#pragma once

#include "coach/owntext.h"
#include "coach/wordpool.h"

#include <QStringList>

#include <functional>

class QObject;

// The entries of practice's five word files in `folder`: the words every drill may draw on.
// `trouble` says which of them are there and can't be read.
QStringList wordfiletexts(const QString& folder, QString& trouble);

// A text and the word pool that goes with it, made away from the window's thread.
struct LoadedText {
    OwnText text;
    WordPool pool;
};

// Reads the text at `path` and makes its pool from it and the word files on a thread of its
// own: a long text takes a while to read and split, and the window answers meanwhile. `done`
// runs on `receiver`'s thread once the text is in hand, or never if the receiver is gone.
void loadowntextaside(const QString& path, QObject* receiver,
                      std::function<void(LoadedText&)> done);
