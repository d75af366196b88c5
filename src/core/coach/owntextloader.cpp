#include "coach/owntextloader.h"

#include <QThread>

#include <memory>

void loadowntextaside(const QString& path, QObject* receiver,
                      std::function<void(LoadedText&)> done) {
    auto result = std::make_shared<LoadedText>();
    QThread* worker = QThread::create([result, path] { result->text = loadowntext(path); });
    QObject::connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    QObject::connect(worker, &QThread::finished, receiver,
                     [result, done = std::move(done)] { done(*result); });
    worker->start();
}
