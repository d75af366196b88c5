#include "coach/owntextloader.h"

#include "common/programfolder.h"
#include "typing/levels.h"
#include "typing/wordlist.h"

#include <QThread>

#include <memory>

QStringList wordfiletexts(const QString& folder, QString& trouble) {
    QStringList texts;
    for (const PracticeLevel& level : practicelevels()) {
        const FileRead read = loadwords(texts, folder + level.file);
        if (!read.ok() && !read.missing())
            trouble +=
                (trouble.isEmpty() ? QString() : QStringLiteral(" ")) + read.message(level.file);
    }
    return texts;
}

void loadowntextaside(const QString& path, QObject* receiver,
                      std::function<void(LoadedText&)> done) {
    // The program folder is set on this thread, so it is taken before the worker starts.
    const QString folder = ::apppath();
    auto result = std::make_shared<LoadedText>();
    QThread* worker = QThread::create([result, path, folder] {
        result->text = loadowntext(path);
        QString trouble; // told when the window opened
        result->pool.addtexts(wordfiletexts(folder, trouble));
        result->pool.addtexts(result->text.sentences);
    });
    QObject::connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    QObject::connect(worker, &QThread::finished, receiver,
                     [result, done = std::move(done)] { done(*result); });
    worker->start();
}
