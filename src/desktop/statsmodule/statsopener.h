#pragma once

#include <QChar>
#include <QStringList>

#include <functional>

class QObject;
class StatsRecorder;
class frmstats;

// The typing statistics draw their charts with Qt Charts, which with the OpenGL it pulls in
// would cost every start of the game; so the window lives in a module of its own,
// keystriderstats.so, loaded the first time the player opens it. The game itself carries
// every other window and every rule, and the module takes them from the game.

// Opens a new statistics window, shown and reading stats.dat, owned by `owner`'s life: it keeps
// `recorder`'s records and calls `practise` when the player asks to practise a key. Null, the
// player told why, when the module can't be had.
frmstats* openstatswindow(QObject* owner, StatsRecorder* recorder,
                          std::function<void(QChar)> practise);

// Where the game looks for the module, the first that loads is taken (the game only: a test
// links the window in).
void setstatsmodules(QStringList paths);

// The module's one entry point, by this name; openstatswindow() with the module loaded.
using OpenStatsWindow = frmstats* (*)(QObject* owner, StatsRecorder* recorder,
                                      std::function<void(QChar)> practise);
inline constexpr char openstatswindowname[] = "keystrider_openstatswindow";
inline constexpr char statsmodulename[] = "keystriderstats.so";
