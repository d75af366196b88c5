#pragma once

#include <QChar>
#include <QPointer>
#include <QStringList>

#include <functional>

class StatsRecorder;
class frmstats;

// The typing statistics draw their charts with Qt Charts, which with the OpenGL it pulls in
// would cost every start of the game; so the window lives in a module of its own,
// keystriderstats.so, loaded the first time the player opens it. The game itself carries
// every other window and every rule, and the module takes them from the game.

// Brings the statistics window to the front; made on first use into `window`, shown and reading
// stats.dat, it lives as long as `owner` unless its close box discards it first, keeps
// `recorder`'s records and calls `practise` when the player asks to practise a key. Without the
// module the player is told why and `window` stays empty. Only the module knows the window's
// type: the rest of the game holds it by its pointer alone.
void showstatswindow(QObject* owner, QPointer<frmstats>& window, StatsRecorder* recorder,
                     std::function<void(QChar)> practise);

// Where the game looks for the module, the first that loads is taken (the game only: a test
// links the window in).
void setstatsmodules(QStringList paths);

// The module's one entry point, by this name; showstatswindow() with the module loaded.
using ShowStatsWindow = void (*)(QObject* owner, QPointer<frmstats>& window,
                                 StatsRecorder* recorder, std::function<void(QChar)> practise);
inline constexpr char showstatswindowname[] = "keystrider_showstatswindow";
inline constexpr char statsmodulename[] = "keystriderstats.so";
