// The window and its controls; the game as the player plays it is in tictac_play.cpp, the memory
// and the roster in tictac_memory.cpp.
#include "tictactoe/tictac.h"

#include "common/controls.h"
#include "common/layout.h"
#include "common/twips.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

namespace {

// "MS Sans Serif" of the original layout is the system's sans-serif face.
QFont sansfont(double points, bool bold = false) {
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// The text colour comes with the background, so the texts on it read in any desktop theme.
void setbackground(QWidget* widget, const QColor& colour, const QColor& text = Qt::black) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::WindowText, text);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// The frames over the coloured window take the desktop's colours again.
void setthemebackground(QWidget* widget) {
    const QPalette theme = QGuiApplication::palette();
    setbackground(widget, theme.color(QPalette::Window), theme.color(QPalette::WindowText));
}

// A one-pixel black line between two points given in twips, as a flat filled frame.
QFrame* line(QWidget* parent, const char* name, int x1, int y1, int x2, int y2) {
    const QRect where(QPoint(twips(x1), twips(y1)), QPoint(twips(x2), twips(y2)));
    auto* frame = placed(new QFrame(parent), name, where);
    setbackground(frame, Qt::black);
    return frame;
}

QLineEdit* textbox(QWidget* parent, const char* name, const QString& accessible, int left, int top,
                   int width, int height) {
    auto* box = placed(new QLineEdit(parent), name, left, top, width, height);
    box->setAccessibleName(accessible);
    return box;
}

QLabel* label(QWidget* parent, const char* name, const QString& caption, int left, int top,
              int width, int height) {
    return placed(new QLabel(caption, parent), name, left, top, width, height);
}

struct CellPlace {
    int left, top, height;
};

constexpr int cellwidth = 855;
// clang-format off
constexpr CellPlace cellplaces[9] = {
    {2760, 840, 615},  {3840, 840, 615},  {4920, 840, 615},
    {2760, 1680, 615}, {3840, 1680, 615}, {4920, 1680, 615},
    {2760, 2520, 735}, {3840, 2520, 735}, {4920, 2520, 735},
};
// clang-format on

// A checkerboard: the corners and the centre in one colour, the edges in the other.
const QColor cornercolour(255, 192, 255);
const QColor edgecolour(192, 192, 255);
const QColor windowcolour(128, 128, 255);

} // namespace

tictac::tictac(Career* career, QWidget* parent) : QWidget(parent), match(career) {
    setupsidewindow(this, "tictac", tr("Quendle's Tic Tac Toe"));
    setbackground(this, windowcolour);
    buildcontrols();
    setFixedSize(twips(6015), twips(4125));
    closeonescape(this);
    Form_Load();
}

// Created in tab order: the board and its commands first, then the blocks that lie under the
// instructions and past the right edge, which Tab passes by: a focus nobody can see helps no one.
void tictac::buildcontrols() {
    heading = label(this, "Label2", QStringLiteral("Vivovu Dev Ezi Doz"), 2640, 240, 3255, 255);
    heading->setFont(sansfont(12, true));
    buildboard();

    startreset = placed(new QPushButton(tr("Start / Reset"), this), "Command1", 0, 3240, 2415, 255);
    compmovefirst =
        placed(new QPushButton(tr("Comp Move First"), this), "compst", 0, 3480, 2415, 255);
    // Seventeen pixels high: the desktop's font, often larger, would be cut off at the bottom.
    for (QPushButton* command : {startreset, compmovefirst})
        command->setFont(sansfont(8.25));
    turnsbox = textbox(this, "label1", tr("Turns"), 0, 3840, 1215, 285);
    winsbox = textbox(this, "Text1", tr("Winnings"), 1200, 3840, 1335, 285);
    lossesbox = textbox(this, "Text2", tr("Loses"), 2520, 3840, 1575, 285);
    drawsbox = textbox(this, "Text3", tr("Draws"), 4080, 3840, 1920, 285);
    // The counters are rewritten ten times a second; typing into them would be lost at once.
    for (QLineEdit* box : {turnsbox, winsbox, lossesbox, drawsbox})
        box->setReadOnly(true);
    strategylearned = label(this, "Label6", tr("Strategy Learned!"), 2760, 3480, 3135, 255);
    strategylearned->setFont(arialfont(8.25, true));
    strategylearned->hide();

    buildhiddenblocks();

    instructions = placed(new QGroupBox(tr("Instructions"), this), "Frame2", 0, 0, 2535, 3135);
    setthemebackground(instructions);
    instructionstext = label(
        instructions, "Label7",
        tr("Win vivovu Dev Ezi Doz to win $25 bucks! If you lost, then he will only take $5 bucks from you."),
        120, 360, 2295, 1935);
    instructionstext->setWordWrap(true);
    instructionstext->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // On top of the left column: the roster and the sign boxes lie beneath it, unseen.
    instructions->raise();

    clock = new QTimer(this);
    clock->setObjectName(QStringLiteral("Timer1"));
    clock->setInterval(100);
    learnedclock = new QTimer(this);
    learnedclock->setObjectName(QStringLiteral("Timer2"));
    learnedclock->setInterval(3000);

    connect(startreset, &QPushButton::clicked, this, &tictac::startreset_Click);
    connect(compmovefirst, &QPushButton::clicked, this, &tictac::compmovefirst_Click);
    connect(addtolist, &QPushButton::clicked, this, &tictac::addtolist_Click);
    connect(roster, &QListWidget::itemDoubleClicked, this, &tictac::roster_DblClick);
    roster->installEventFilter(this);
    connect(clock, &QTimer::timeout, this, &tictac::clock_Timer);
    connect(learnedclock, &QTimer::timeout, this, &tictac::learnedclock_Timer);
}

void tictac::buildboard() {
    static const char* const names[9] = {"r1", "r2", "r3", "r4", "r5", "r6", "r7", "r8", "r9"};
    for (int k = 1; k <= 9; ++k) {
        const CellPlace& at = cellplaces[k - 1];
        QPushButton* button =
            placed(new QPushButton(this), names[k - 1], at.left, at.top, cellwidth, at.height);
        button->setFont(sansfont(13.5));
        const QColor colour = k % 2 == 1 ? cornercolour : edgecolour;
        // A style sheet is the one way every Qt style paints a button in a colour of its own;
        // the focus frame keeps the keyboard's place visible.
        button->setStyleSheet(
            QStringLiteral("QPushButton { background-color: %1; color: black; "
                           "border: 1px solid gray; } QPushButton:focus { border: 2px "
                           "solid black; }")
                .arg(colour.name()));
        cells[static_cast<std::size_t>(k - 1)] = button;
        setcaption(k, QString());
        connect(button, &QPushButton::clicked, this, [this, k] { cell_Click(k); });
    }
    static const char* const linenames[13] = {"Line1",  "Line2",  "Line3", "Line4", "Line5",
                                              "Line6",  "Line7",  "Line8", "Line9", "Line10",
                                              "Line11", "Line12", "Line13"};
    // The board's frame and grid, then the separators of the left column and the right edge.
    const int xs[4] = {2640, 3720, 4800, 5880};
    const int ys[4] = {720, 1560, 2400, 3360};
    for (int i = 0; i < 4; ++i) {
        gridlines[static_cast<std::size_t>(i)] = line(this, linenames[i], xs[i], 720, xs[i], 3360);
        gridlines[static_cast<std::size_t>(i + 4)] =
            line(this, linenames[i + 4], 2640, ys[i], 5880, ys[i]);
    }
    gridlines[8] = line(this, linenames[8], 2520, 0, 2520, 3840);
    gridlines[9] = line(this, linenames[9], 0, 720, 2520, 720);
    gridlines[10] = line(this, linenames[10], 0, 2520, 2400, 2520);
    gridlines[11] = line(this, linenames[11], 0, 3120, 2520, 3120);
    gridlines[12] = line(this, linenames[12], 6000, 0, 6000, 4080);
}

void tictac::buildhiddenblocks() {
    namecaption = label(this, "Label3", tr("Name:"), 0, 120, 600, 285);
    namebox = textbox(this, "Text4", tr("Name:"), 600, 120, 1815, 285);
    namecaption->setBuddy(namebox);
    addtolist = placed(new QPushButton(tr("Add to List"), this), "Command2", 1200, 430, 1215, 255);
    roster = placed(new QListWidget(this), "List1", 0, 840, 2415, 1620);
    roster->setAccessibleName(tr("Players"));
    yoursigncaption = label(this, "Label4", tr("Your Sign:"), 120, 2640, 480, 375);
    yoursignbox = textbox(this, "Text5", tr("Your Sign:"), 600, 2640, 495, 375);
    compsigncaption = label(this, "Label5", tr("Comp's Sign:"), 1200, 2640, 600, 375);
    compsignbox = textbox(this, "Text6", tr("Comp's Sign:"), 1800, 2640, 495, 375);
    for (QLabel* caption : {yoursigncaption, compsigncaption})
        caption->setWordWrap(true);
    yoursigncaption->setBuddy(yoursignbox);
    compsigncaption->setBuddy(compsignbox);
    for (QLineEdit* sign : {yoursignbox, compsignbox})
        sign->setFont(sansfont(12));
    yoursignbox->setText(QStringLiteral("X"));
    compsignbox->setText(QStringLiteral("O"));

    // The move records and the learned strategies are never shown.
    yourmoves = textbox(this, "Text7", tr("Your moves"), 0, 0, 0, 0);
    compmoves = textbox(this, "Text9", tr("Computer's moves"), 0, 0, 0, 0);
    strategylist = placed(new QListWidget(this), "List2", 0, 0, 0, 0);
    strategylist->setAccessibleName(tr("Learned strategies"));
    for (QWidget* hidden : std::initializer_list<QWidget*>{yourmoves, compmoves, strategylist})
        hidden->hide();

    // Right of the window's edge: the opponent's stages are there for whoever looks.
    thinkingframe =
        placed(new QGroupBox(tr("Thinking Process"), this), "Frame1", 6120, 0, 2775, 4095);
    setthemebackground(thinkingframe);
    stages = placed(new QListWidget(thinkingframe), "List3", 120, 240, 2535, 3765);
    stages->setAccessibleName(tr("Thinking Process"));
    for (QWidget* unseen : std::initializer_list<QWidget*>{namebox, addtolist, roster, yoursignbox,
                                                           compsignbox, stages})
        unseen->setFocusPolicy(Qt::NoFocus);
}

// Enter on the roster does what a double-click does, so the keyboard can switch players.
bool tictac::eventFilter(QObject* watched, QEvent* event) {
    if (watched == roster && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            roster_DblClick();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void tictac::setcaption(int k, const QString& text) {
    QPushButton* button = cell(k);
    button->setText(text);
    // The caption alone would leave a free cell nameless to a screen reader.
    button->setAccessibleName(text.isEmpty() ? tr("Cell %1").arg(k)
                                             : tr("Cell %1: %2").arg(k).arg(text));
}

void tictac::showgame() {
    for (int k = 1; k <= 9; ++k) {
        const std::size_t at = static_cast<std::size_t>(k - 1);
        // Unchanged captions stay as they are, so a screen reader is not told of them again.
        if (shownboard[at] != match.board()[at]) {
            shownboard[at] = match.board()[at];
            setcaption(k, shownboard[at]);
        }
    }
    yourmoves->setText(match.yourmoves());
    compmoves->setText(match.compmoves());
}
