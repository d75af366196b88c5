// The typing statistics as the game opens them: from their module, which takes every other
// window and rule from the program, here linked as the game is. Qt Charts comes with the window,
// not before it.
#include "shell/form1.h"
#include "statsmodule/statsopener.h"
#include "support/fakes.h"

#include <QAction>
#include <QApplication>
#include <QTest>

#include <cstring>

#include <link.h>

namespace {

bool loaded(const char* library) {
    const auto found = [](dl_phdr_info* info, size_t, void* name) {
        return std::strstr(info->dlpi_name, static_cast<const char*>(name)) ? 1 : 0;
    };
    return dl_iterate_phdr(found, const_cast<char*>(library)) != 0;
}

// The statistics windows open, found by name: only the module handles one by its type.
QWidgetList statswindows() {
    QWidgetList found;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String("frmstats") && window->isVisible())
            found.append(window);
    return found;
}

} // namespace

class StatsModuleTest : public QObject {
    Q_OBJECT
private slots:
    void opensfromthemodule();
};

void StatsModuleTest::opensfromthemodule() {
    GameFixture fixture;
    Form1 form;
    // A copy without its module tells so, and goes on.
    setstatsmodules({fixture.folder() + QStringLiteral("/keystriderstats.so")});
    form.stats->trigger();
    QVERIFY(form.statswindow.isNull());
    QCOMPARE(fixture.dialogs.texts(),
             QStringList{"The typing statistics could not be opened: keystriderstats.so is "
                         "missing."});
    QVERIFY(!loaded("libQt6Charts"));

    setstatsmodules(
        {fixture.folder() + QStringLiteral("/keystriderstats.so"), QStringLiteral(STATS_MODULE)});
    form.stats->trigger();
    QVERIFY(!form.statswindow.isNull());
    QCOMPARE(statswindows().size(), 1);
    QVERIFY(loaded("libQt6Charts"));
    // Again, the same window, brought to the front.
    QWidget* window = statswindows().constFirst();
    form.stats->trigger();
    QCOMPARE(statswindows(), QWidgetList{window});
    QCOMPARE(fixture.dialogs.shown.size(), 1);
}

QTEST_MAIN(StatsModuleTest)
#include "statsmodule_test.moc"
