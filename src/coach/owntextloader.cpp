#include "coach/owntextloader.h"

#include "common/programfolder.h"
#include "typing/levels.h"
#include "typing/wordlist.h"

#include <QThread>

#include <memory>

QStringList wordfiletexts() {
    QStringList texts;
    for (const PracticeLevel& level : practicelevels())
        loadwords(texts, ::apppath() + level.file);
    return texts;
}

void loadowntextaside(const QString& path, QObject* receiver,
                      std::function<void(LoadedText&)> done) {
    // The program folder is set on this thread, so the word files are read before the worker
    // starts.
    const QStringList wordfiles = wordfiletexts();
    auto result = std::make_shared<LoadedText>();
    QThread* worker = QThread::create([result, path, wordfiles] {
        result->text = loadowntext(path);
        result->pool.addtexts(wordfiles);
        result->pool.addtexts(result->text.sentences);
    });
    QObject::connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    QObject::connect(worker, &QThread::finished, receiver,
                     [result, done = std::move(done)] { done(*result); });
    worker->start();
}
