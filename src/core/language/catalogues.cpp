#include "language/catalogues.h"

#include "language/languages.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>

Catalogues::Catalogues()
    : qttexts(std::make_unique<QTranslator>()), gametexts(std::make_unique<QTranslator>()) {}

Catalogues::~Catalogues() {
    remove();
}

namespace {

bool loadfirst(QTranslator& translator, const QString& name, const QStringList& folders) {
    for (const QString& folder : folders) {
        const QString path = folder + QStringLiteral("/keystrider_") + name + QStringLiteral(".qm");
        if (QFileInfo::exists(path) && translator.load(path))
            return true;
    }
    return false;
}

} // namespace

bool Catalogues::load(const QString& language, const QStringList& folders) {
    remove();
    loaded.clear();
    qttexts = std::make_unique<QTranslator>();
    gametexts = std::make_unique<QTranslator>();
    if (language.isEmpty() || language == english || !loadfirst(*gametexts, language, folders)) {
        // English's plural forms alone, so that "%n days" reads "1 day".
        if (loadfirst(*gametexts, english, folders))
            loaded = english;
        return false;
    }
    loaded = language;
    // The desktop's region first ("pt_PT" on a Portuguese desktop), then the language alone;
    // Qt may have only the language's first region ("pt_BR"), which still reads better than
    // English buttons.
    const QString qtfolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    const QLocale desktop = QLocale::system();
    QStringList variants;
    if (desktop.name().startsWith(language + QLatin1Char('_')))
        variants.append(desktop.name());
    variants.append(language);
    variants.append(QLocale(language).name());
    for (const QString& variant : variants) {
        const QString path =
            qtfolder + QStringLiteral("/qtbase_") + variant + QStringLiteral(".qm");
        if (QFileInfo::exists(path) && qttexts->load(path))
            break;
    }
    return true;
}

namespace {
QLocale& locale() {
    static QLocale shown = QLocale::c();
    return shown;
}
} // namespace

const QLocale& shownlocale() {
    return locale();
}

void Catalogues::install() const {
    if (loaded.isEmpty())
        return;
    locale() = loaded == english ? QLocale::c() : QLocale(loaded);
    if (loaded != english && !qttexts->isEmpty())
        QCoreApplication::installTranslator(qttexts.get());
    QCoreApplication::installTranslator(gametexts.get());
}

void Catalogues::remove() const {
    if (!QCoreApplication::instance())
        return;
    QCoreApplication::removeTranslator(gametexts.get());
    QCoreApplication::removeTranslator(qttexts.get());
    locale() = QLocale::c();
}

namespace {
QStringList& folderlist() {
    static QStringList folders;
    return folders;
}
} // namespace

const QStringList& cataloguefolders() {
    if (folderlist().isEmpty())
        folderlist().append(QCoreApplication::applicationDirPath());
    return folderlist();
}

void setcataloguefolders(const QStringList& folders) {
    folderlist() = folders;
}
