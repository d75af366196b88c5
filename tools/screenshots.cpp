// Renders each window of the game to a PNG without a display, so anyone can look at every
// window without playing, light and dark, in English or in any language of the game:
//
//     screenshots [--language de] [FOLDER]
#include "language/catalogues.h"
#include "samples/darkpalette.h"
#include "windowtour.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QLocale>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption language(QStringLiteral("language"),
                                      QStringLiteral("The windows' language: de, fr, en_XA, …"),
                                      QStringLiteral("code"), QStringLiteral("en"));
    parser.addOption(language);
    parser.addPositionalArgument(QStringLiteral("folder"), QStringLiteral("Where the PNGs go"));
    parser.process(app);
    QString outdir = parser.positionalArguments().value(0, QStringLiteral("screenshots"));
    // The catalogues lie beside the game, one folder up from this tool.
    Catalogues catalogues;
    const QString code = parser.value(language);
    if (!catalogues.load(code, {QCoreApplication::applicationDirPath() + QStringLiteral("/..")}) &&
        code != QLatin1String("en")) {
        std::fprintf(stderr, "screenshots: no catalogue for %s\n", qPrintable(code));
        return 1;
    }
    catalogues.install();
    QLocale::setDefault(QLocale(code));
    QDir().mkpath(outdir);
    preparetour();
    const auto save = [&outdir](const TourStop& stop) {
        stop.picture().save(outdir + QLatin1Char('/') + stop.name + QStringLiteral(".png"));
    };
    tourwindows(save);
    // Every window again in a dark desktop theme.
    QApplication::setPalette(darkpalette());
    outdir += QStringLiteral("/dark");
    QDir().mkpath(outdir);
    tourwindows(save);
    return 0;
}
