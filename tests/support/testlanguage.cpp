#include "support/testlanguage.h"

#include "language/catalogues.h"

#include <QCoreApplication>
#include <QLocale>

#include <cstdio>
#include <cstdlib>

namespace {

Catalogues& catalogues() {
    static Catalogues loaded;
    return loaded;
}

// A run meant for another language that quietly ran in English would prove nothing: it stops.
void loadtestlanguage() {
    const QString language = testlanguage();
    if (language.isEmpty())
        return;
    if (!catalogues().load(language, {QStringLiteral(BUILD_FOLDER)})) {
        std::fprintf(stderr, "no catalogue keystrider_%s.qm in " BUILD_FOLDER "\n",
                     qPrintable(language));
        std::exit(EXIT_FAILURE);
    }
    catalogues().install();
    QLocale::setDefault(QLocale(language));
}

} // namespace

QString testlanguage() {
    return qEnvironmentVariable("KEYSTRIDER_TEST_LANGUAGE");
}

InEnglish::InEnglish() {
    catalogues().remove();
}

InEnglish::~InEnglish() {
    catalogues().install();
}

Q_COREAPP_STARTUP_FUNCTION(loadtestlanguage)
