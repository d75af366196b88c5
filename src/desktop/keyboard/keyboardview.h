#pragma once

#include "keyboard/keyboardcolours.h"
#include "keyboard/keyboardlayout.h"

#include <QHash>
#include <QPixmap>
#include <QVarLengthArray>
#include <QWidget>

// A value a heat map shows for one character, and how its tooltip words it ("12% missed").
struct KeyHeat {
    QString character;
    double value = 0;
    QString text;
};

// One text on a key cap, aligned by `flags` in `area`, in a font of `pixels` pixels.
struct CapLabel {
    QString text;
    QRectF area;
    int flags = 0;
    int pixels = 0;
};

// No text on a cap is drawn smaller than this: smaller does not read.
inline constexpr int smallestcappixels = 8;

// Draws a 105-key ISO PC keyboard with each key labelled as the layout types it. It shows the
// next key to press in its finger's colour, with the Shift of the other hand or AltGr when
// needed, and says so in its accessible description; or it colours the keys as a heat map.
class KeyboardView : public QWidget {
    Q_OBJECT
public:
    explicit KeyboardView(QWidget* parent = nullptr);

    void setlayout(KeyboardLayout newlayout);
    const KeyboardLayout& layout() const { return keyboard; }

    // Highlights the keys that type the character; for a dead key and its base, the dead key
    // first. An empty character clears the highlight.
    void shownext(const QString& character);
    // From the dead key on to its base; false when there is no further key.
    bool steptoletter();

    // Colours each key by the highest value of the characters it types, from the lowest value
    // shown (cool) to the highest (hot); an empty list ends the heat map.
    void setheatmap(const QList<KeyHeat>& heat);

    // What the key looks like now, and where it is.
    KeyColours colours(int code) const;
    QRectF keyrect(int code) const;
    // The texts the key's cap shows at this size.
    QList<CapLabel> caplabels(int code) const;
    // The heat map's numbers of the key under a point, one character a line.
    QString tooltipat(QPoint point) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;

private:
    struct Heat {
        double t = 0;
        QStringList lines;
    };
    // How to type one character and what the description says at each of its presses, worked
    // out the first time the character comes up: a drill asks for the same few again and again.
    struct Guide {
        QList<KeyPress> presses;
        QStringList words; // one a press; one line alone when the keyboard lacks the character
    };
    // The key and the modifiers lit: three at most, kept off the heap.
    using Lit = QVarLengthArray<int, 3>;
    int keyat(QPoint point) const;
    Lit highlighted() const;
    void highlightchanged(const Lit& before);
    QString describe(const QString& next, const QList<KeyPress>& keys, qsizetype at,
                     bool asbase) const;
    QString keyname(const KeyPress& press) const;
    void placeheat();
    KeyColours lookof(int code, bool lit) const;
    void drawkey(QPainter& painter, const PhysicalKey& key, bool lit) const;
    void drawlabels(QPainter& painter, const PhysicalKey& key) const;
    QPainterPath keyshape(const PhysicalKey& key) const;
    void invalidate();
    QRect paintrect(int code) const;
    const QPixmap& litkey(int code);

    KeyboardLayout keyboard;
    QString character;
    QHash<QString, Guide> guides; // for this layout
    const Guide* guide = nullptr; // the character's, or none
    qsizetype step = 0;
    QList<KeyHeat> heatlist;
    QHash<int, Heat> heat;
    QPixmap rest; // the keys without the highlight, drawn once per size, palette and layout
    QHash<int, QPixmap> lit; // each key as it looks lit, on a clear ground, drawn when first lit
};
