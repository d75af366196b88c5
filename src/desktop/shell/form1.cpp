#include "shell/form1.h"

#include "career/career.h"
#include "common/controls.h"
#include "common/dialogs.h"
#include "common/filename.h"
#include "common/layout.h"
#include "common/logbox.h"
#include "common/program.h"
#include "common/programfolder.h"
#include "common/sidewindow.h"
#include "common/watchlabel.h"
#include "shell/frmstart.h"
#include "stats/statsrecorder.h"

#include <QAction>
#include <QCloseEvent>
#include <QCursor>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

Form1::Form1(QWidget* parent) : QMainWindow(parent), career(new Career(this)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Keystrider"));
    buildcontrols();
    buildmenus();
    showcareer();
    typingrecorder = new StatsRecorder([this] { return career->shown().playername; }, this);
    connect(typingrecorder, &StatsRecorder::unwritten, this,
            [](const QString& message) { msgbox(message, MsgIcon::Exclamation); });
    setFixedSize(sizeHint());
    enterpressesbuttons();
    returnfocusfrommenubar(menuBar());
}

Form1::~Form1() = default;

// Arial is matched among the desktop's fonts only as the window first shows: the start shows
// the File pop-up alone, in the desktop's own font, and the window stays hidden till a game.
void Form1::setVisible(bool visible) {
    if (visible && !inarial) {
        inarial = true;
        setFont(arialfont(9));
        setFixedSize(sizeHint());
    }
    QMainWindow::setVisible(visible);
}

void Form1::showcareer() {
    connect(career, &Career::playernamechanged, this, [this](const QString& name) {
        shownname->setText(name);
        // A name cut short on screen is heard whole.
        statuspanel->setAccessibleDescription(
            name.isEmpty() ? QString() : namecaption->text() + QLatin1Char(' ') + name);
    });
    connect(career, &Career::moneychanged, this,
            [this](std::int32_t money) { shownmoney->setText(QString::number(money)); });
    connect(career, &Career::rankchanged, this,
            [this](std::int16_t rank) { shownrank->setText(QString::number(rank)); });
    connect(career, &Career::dayschanged, this,
            [this](std::int32_t days) { showndays->setText(QString::number(days)); });
    connect(career, &Career::trainingchanged, this,
            [this](std::int32_t points) { showntraining->setText(QString::number(points)); });
    // An entry takes the log's focus and leaves the caret after it, wherever the player had put
    // it; blank lines between days are only added.
    connect(career, &Career::logappended, this, [this](const QString& text, bool entry) {
        if (entry)
            eventlog->setFocus();
        eventlog->appendatend(text);
        if (entry)
            eventlog->movecarettoend();
    });
    connect(career, &Career::logreplaced, eventlog, &LogBox::setText);
    connect(career, &Career::countrychanged, this, [this](Country where) {
        for (std::size_t i = 0; i < std::size(countries); ++i)
            countryitems[i]->setChecked(countries[i].country == where);
    });
    countryitem(career->country())->setChecked(true);
    connect(career, &Career::availabilitychanged, this, [this](Activity activity, bool free) {
        switch (activity) {
        case Activity::RewardBag:
            rewardbag->setEnabled(free);
            break;
        case Activity::TicTacToe:
            tictactoe->setEnabled(free);
            break;
        case Activity::Competition:
            competition->setEnabled(free);
            checkcompetition->setEnabled(free);
            break;
        }
    });
    connect(career, &Career::daybegan, this, &Form1::generatecompetitions);
    connect(career, &Career::goalreached, this, &Form1::objectivereached);
    connect(career, &Career::daysranout, this, &Form1::timeup);
}

void Form1::Form_Load() {
    apppath = ::apppath();
    savegame->setEnabled(false);
    offerfilemenu();
}

// Offered once: a pop-up that came back whenever it was dismissed would keep the pointer and
// keyboard from every other program. Dismissed, it gives way to the start window. On Wayland
// the pop-up would have no window to belong to and no pointer to open at.
void Form1::offerfilemenu() {
    if (onwayland() || startwindow) {
        offerstartwindow();
        return;
    }
    connect(filemenu, &QMenu::aboutToHide, this, &Form1::offerstartwindow,
            Qt::SingleShotConnection);
    filemenu->popup(QCursor::pos());
}

// A hidden program with nothing on screen would run on unseen, so until the main window shows
// the start window stands in. Deferred: a choice made in the pop-up runs only after it hides.
void Form1::offerstartwindow() {
    QTimer::singleShot(0, this, [this] {
        if (isVisible() || programended() || filecommandsrunning > 0 || loadwindowopen() ||
            filemenu->isVisible())
            return;
        showtofront(sidewindow(
            startwindow, this, [this] { newgame->trigger(); }, [this] { loadgame->trigger(); },
            [this] { exitprogram->trigger(); }));
    });
}

void Form1::loaded() {
    // Gone without a close, which would end the program; later, as one of its buttons may be
    // what got here.
    if (startwindow) {
        startwindow->hide();
        startwindow->deleteLater();
    }
    // Shown already: a new or loaded career shows each of its values as it begins.
    show();
    savegame->setEnabled(true);
}

// The game's name for the end of the program.
void Form1::closer() {
    endprogram();
}

void Form1::closeEvent(QCloseEvent* event) {
    event->ignore();
    closer();
}

// Asks before anything changes: Cancel backs out and the career in play stays as it was.
void Form1::startnewgame() {
    if (!mayabandoncareer())
        return;
    const std::optional<QString> name = askname();
    if (!name) {
        // At start-up nothing would be left on screen.
        if (!isVisible())
            offerfilemenu();
        return;
    }
    career->newcareer(*name);
    loaded();
    career->begincareer(QString());
}

std::optional<QString> Form1::askname() {
    const QString title = tr("Enter Name");
    for (;;) {
        const std::optional<QString> name = askinput(tr("Enter name you want:"), title);
        if (!name)
            return std::nullopt;
        switch (checkplayername(*name)) {
        case NameCheck::Empty:
            continue;
        case NameCheck::Unkeepable:
            msgbox(namelettersmessage(), MsgIcon::Error, title);
            continue;
        case NameCheck::Fine:
            return name;
        }
    }
}

bool Form1::mayabandoncareer() {
    if (!career->unsaved())
        return true;
    return msgbox(tr("Abandon %1's career? It has not been saved since it changed.")
                      .arg(career->playername()),
                  MsgIcon::Question, QString(), MsgButtons::YesNoDefaultNo) == MsgResult::Yes;
}

void Form1::exitgame_Click() {
    closer();
}

void Form1::popupservices() {
    servicesmenu->popup(popupplace(services));
}

void Form1::popupcountries() {
    countrymenu->popup(popupplace(flyaway));
}

void Form1::passday() {
    const FocusKeeper stay(this);
    career->nextday();
}

void Form1::showdaysleft() {
    daysleft->setText(QString::number(career->daysleft()));
}
