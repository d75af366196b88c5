#include "coach/frmcoach.h"
#include "competition/frmcars.h"
#include "competition/frmcomp.h"
#include "samples/darkpalette.h"
#include "stats/calendarshades.h"
#include "support/fakes.h"
#include "tictactoe/tictac.h"
#include "typing/frmp.h"

#include <QApplication>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QTest>

#include <memory>

namespace {

double luminance(QRgb colour) {
    auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(colour)) + 0.7152 * channel(qGreen(colour)) +
           0.0722 * channel(qBlue(colour));
}

double contrast(QRgb a, QRgb b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The contrast of a text as drawn: the ground is the commonest colour of the area, the text the
// pixel that stands out most from it (the core of a glyph, free of smoothing).
double drawncontrast(QWidget* surface, const QRect& area) {
    const QImage image = surface->grab(area).toImage();
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y) | 0xff000000u];
    QRgb ground = 0;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            ground = it.key();
        }
    }
    double best = 1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        best = std::max(best, contrast(ground, it.key()));
    return best;
}

// The inside of a control, clear of its frame.
QRect inside(const QWidget* control) {
    return control->rect().adjusted(4, 4, -4, -4);
}

} // namespace

// Every text whose colour the game sets reads at 4.5:1 or better in a light and a dark theme.
class ContrastTest : public QObject {
    Q_OBJECT
private slots:
    void settextsread_data();
    void settextsread();
    void calendarshades_data();
    void calendarshades();
};

void ContrastTest::settextsread_data() {
    QTest::addColumn<bool>("dark");
    QTest::addColumn<QString>("text");
    const QStringList texts = {
        "tic-tac-toe sign",    "tic-tac-toe title", "tic-tac-toe instructions",
        "practice typing box", "race typing box",   "race target",
        "race car name",       "competition price", "coach typing box",
    };
    for (bool dark : {false, true})
        for (const QString& text : texts)
            QTest::newRow(qPrintable((dark ? "dark " : "light ") + text)) << dark << text;
}

void ContrastTest::settextsread() {
    QFETCH(bool, dark);
    QFETCH(QString, text);
    const QPalette theme = dark ? darkpalette() : QApplication::style()->standardPalette();
    QApplication::setPalette(theme);
    GameFixture fixture;
    std::unique_ptr<QWidget> window;
    QWidget* surface = nullptr;
    QRect area;
    if (text.startsWith(QLatin1String("tic-tac-toe"))) {
        auto* game = new tictac(nullptr);
        window.reset(game);
        game->cell(1)->setText(QStringLiteral("X"));
        surface = text.endsWith(QLatin1String("sign"))    ? static_cast<QWidget*>(game->cell(1))
                  : text.endsWith(QLatin1String("title")) ? game->heading
                                                          : game->instructionstext;
        area = inside(surface);
    } else if (text == QLatin1String("practice typing box")) {
        auto* practice = new frmp(nullptr);
        window.reset(practice);
        practice->typingbox->setText(QStringLiteral("Wednesday"));
        surface = practice->typingbox;
        area = inside(surface);
    } else if (text == QLatin1String("coach typing box")) {
        auto* coach = new frmcoach;
        window.reset(coach);
        // The box takes text only during a drill; its look is the same before.
        coach->txttype->setEnabled(true);
        coach->txttype->setText(QStringLiteral("Wednesday"));
        surface = coach->txttype;
        area = inside(surface);
    } else if (text.startsWith(QLatin1String("race"))) {
        auto* race = new frmcars(nullptr);
        window.reset(race);
        race->typingbox->setText(QStringLiteral("Wednesday"));
        race->target->setText(QStringLiteral("Wednesday"));
        surface = text.endsWith(QLatin1String("box")) ? static_cast<QWidget*>(race->typingbox)
                                                      : race->target;
        area = inside(surface);
        // Drawn straight on the track's picture, which the window holds.
        if (text.endsWith(QLatin1String("name"))) {
            surface = race;
            area = race->opponentcaption->geometry();
        }
    } else {
        auto* list = new frmcomp(nullptr);
        window.reset(list);
        list->country->addItems({"Japan", "China"});
        list->firstprice->addItems({"$420", "$100"});
        // The chosen row takes the theme's own selection colours; the other shows the text.
        list->country->setCurrentRow(0);
        surface = list->firstprice->viewport();
        area = list->firstprice->visualItemRect(list->firstprice->item(1));
    }
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    const double ratio = drawncontrast(surface, area);
    QVERIFY2(ratio >= 4.5, qPrintable(QString::number(ratio, 'f', 2)));
    // The coach's box takes the theme's ground, as the game's other boxes do.
    if (text == QLatin1String("coach typing box"))
        QCOMPARE(surface->palette().color(QPalette::Base), theme.color(QPalette::Base));
}

void ContrastTest::calendarshades_data() {
    QTest::addColumn<QPalette>("theme");
    QTest::newRow("light") << QApplication::style()->standardPalette();
    QTest::newRow("dark") << darkpalette();
    QPalette black = darkpalette();
    black.setColor(QPalette::Base, Qt::black);
    QTest::newRow("black") << black;
    QPalette white = QApplication::style()->standardPalette();
    white.setColor(QPalette::Base, Qt::white);
    QTest::newRow("white") << white;
}

// The calendar's boxes stand apart on the ground: each shade reads at 3:1 against it, and each
// at half as much again against the one before, so the steps tell apart too. Today's outline and
// a frozen day's cross read at 3:1 on what they are drawn over.
void ContrastTest::calendarshades() {
    QFETCH(QPalette, theme);
    const QColor ground = theme.color(QPalette::Base);
    const QColor text = theme.color(QPalette::Text);
    QColor before = ground;
    for (int shade = 1; shade <= 4; ++shade) {
        const QColor fill = calendarshade(shade, ground);
        QVERIFY2(contrast(fill.rgb(), ground.rgb()) >= 3.0, qPrintable(fill.name()));
        if (shade > 1)
            QVERIFY2(contrast(fill.rgb(), before.rgb()) >= 1.45, qPrintable(fill.name()));
        QVERIFY(contrast(frozenmark(fill, text, ground).rgb(), fill.rgb()) >= 3.0);
        before = fill;
    }
    QVERIFY(contrast(text.rgb(), ground.rgb()) >= 3.0);
    QVERIFY(contrast(frozenmark(ground, text, ground).rgb(), ground.rgb()) >= 3.0);
}

QTEST_MAIN(ContrastTest)
#include "contrast_test.moc"
