#include "keyboard/keyboardview.h"

#include "common/controls.h"
#include "keyboard/baseletter.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHelpEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

struct Frame {
    double unit;
    QPointF origin;
};

Frame frameof(QSize size) {
    const QSizeF keyboard = physicalsize();
    const double unit =
        std::min(size.width() / keyboard.width(), size.height() / keyboard.height());
    return {unit, QPointF((size.width() - unit * keyboard.width()) / 2,
                          (size.height() - unit * keyboard.height()) / 2)};
}

QString shown(const QString& character) {
    return character == QLatin1String(" ") ? QCoreApplication::translate("Keyboard", "Space")
                                           : character;
}

// A dead key's accent alone may be a combining mark, which draws over whatever stands before
// it: on a cap it goes on the dotted circle, as printed keyboards and character maps show it.
QString oncap(const QString& text) {
    if (text.isEmpty())
        return text;
    switch (text.front().category()) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
        return QChar(0x25CC) + text;
    default:
        return text;
    }
}

} // namespace

KeyboardView::KeyboardView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("keyboard"));
    setAccessibleName(tr("Keyboard"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    // Every paint covers its area from the picture of the keys: nothing under it need be drawn.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void KeyboardView::setlayout(KeyboardLayout newlayout) {
    keyboard = std::move(newlayout);
    placeheat();
    guides.clear();
    guide = nullptr;
    const QString next = character;
    shownext(next);
    invalidate();
}

void KeyboardView::shownext(const QString& newcharacter) {
    const Lit before = highlighted();
    character = newcharacter;
    guide = nullptr;
    if (!character.isEmpty()) {
        // An own text in many scripts could bring thousands; the drill's few come back soon.
        if (guides.size() > 1000)
            guides.clear();
        auto it = guides.find(character);
        if (it == guides.end()) {
            Guide made{keyboard.presses(character), {}};
            // A letter the layout lacks is typed as its base letter, which the coach takes.
            QString typedas;
            if (made.presses.isEmpty() && character.size() == 1) {
                const QChar base = baseletter(character.front());
                if (!base.isNull())
                    made.presses = keyboard.presses(QString(base));
                if (!made.presses.isEmpty())
                    typedas = QString(base);
            }
            const qsizetype steps = std::max<qsizetype>(made.presses.size(), 1);
            for (qsizetype at = 0; at < steps; ++at)
                made.words.append(describe(character, made.presses, at, !typedas.isEmpty()));
            it = guides.insert(character, made);
        }
        guide = &*it;
    }
    step = 0;
    highlightchanged(before);
}

bool KeyboardView::steptoletter() {
    if (!guide || step + 1 >= guide->presses.size())
        return false;
    const Lit before = highlighted();
    ++step;
    highlightchanged(before);
    return true;
}

KeyboardView::Lit KeyboardView::highlighted() const {
    if (!guide || step >= guide->presses.size())
        return {};
    const KeyPress& press = guide->presses.at(step);
    Lit codes{press.code};
    for (int modifier : {press.shiftcode, press.altgrcode})
        if (modifier)
            codes.append(modifier);
    return codes;
}

// Only the keys that change are drawn again, so a keystroke costs two or three keys' paint.
void KeyboardView::highlightchanged(const Lit& before) {
    const Lit after = highlighted();
    // A key lit before and after (a Shift held over two capitals) looks the same: left alone.
    for (int code : before)
        if (!after.contains(code))
            update(paintrect(code));
    for (int code : after)
        if (!before.contains(code))
            update(paintrect(code));
    setAccessibleDescription(guide ? guide->words.at(step) : QString());
}

QString KeyboardView::keyname(const KeyPress& press) const {
    const int level = KeyboardLayout::level(press);
    const QString text = keyboard.text(press.code, level);
    if (press.code == keycode::space || text.isEmpty()) {
        const PhysicalKey* key = physicalkey(press.code);
        return key ? keycaption(*key) : QString();
    }
    // Letter keys are named by their capital, as printed on them.
    const QString upper = text.toUpper();
    return upper != text && keyboard.text(press.code, level | 1) == upper ? upper : text;
}

QString KeyboardView::describe(const QString& next, const QList<KeyPress>& keys, qsizetype at,
                               bool asbase) const {
    if (at >= keys.size())
        return tr("Next key: %1, not on this keyboard").arg(shown(next));
    const KeyPress& press = keys.at(at);
    const PhysicalKey* key = physicalkey(press.code);
    // "Next key: é, type E": the letter shown, and the key the player types for it.
    const QString finger = fingername(key ? key->finger : Finger::None);
    QString words = asbase
                        ? tr("Next key: %1, type %2, %3").arg(shown(next), keyname(press), finger)
                        : tr("Next key: %1, %2").arg(keyname(press), finger);
    if (press.shiftcode)
        words += press.shiftcode == keycode::rightshift ? tr(", with right Shift")
                                                        : tr(", with left Shift");
    if (press.altgrcode)
        words += tr(", with AltGr");
    if (at + 1 < keys.size())
        words += tr(", then %1").arg(keyname(keys.at(at + 1)));
    return words;
}

void KeyboardView::setheatmap(const QList<KeyHeat>& newheat) {
    heatlist = newheat;
    placeheat();
    invalidate();
}

void KeyboardView::placeheat() {
    struct Tally {
        double value = -std::numeric_limits<double>::infinity();
        QStringList lines;
    };
    QHash<int, Tally> tallies;
    double low = std::numeric_limits<double>::infinity();
    double high = -low;
    for (const KeyHeat& item : std::as_const(heatlist)) {
        const QList<KeyPress> keys = keyboard.presses(item.character);
        if (keys.isEmpty() || !std::isfinite(item.value))
            continue;
        Tally& tally = tallies[keys.last().code];
        tally.value = std::max(tally.value, item.value);
        tally.lines.append(tr("%1: %2").arg(shown(item.character), item.text));
        low = std::min(low, item.value);
        high = std::max(high, item.value);
    }
    heat.clear();
    for (auto it = tallies.cbegin(); it != tallies.cend(); ++it) {
        // With one value only there is nothing to compare: it shows as hot as it can be.
        const double t = high > low ? (it->value - low) / (high - low) : 1.0;
        heat.insert(it.key(), {t, it->lines});
    }
}

KeyColours KeyboardView::colours(int code) const {
    return lookof(code, highlighted().contains(code));
}

KeyColours KeyboardView::lookof(int code, bool lit) const {
    QColor fill;
    if (lit) {
        const PhysicalKey* key = physicalkey(code);
        fill = fingercolour(key ? key->finger : Finger::None);
    } else if (auto it = heat.constFind(code); it != heat.cend()) {
        fill = heatcolour(it->t);
    } else {
        fill = palette().color(QPalette::Button);
        return {fill, readabletext(fill, palette().color(QPalette::ButtonText))};
    }
    return {fill, readabletext(fill, Qt::black)};
}

QRectF KeyboardView::keyrect(int code) const {
    const PhysicalKey* key = physicalkey(code);
    if (!key)
        return {};
    const Frame frame = frameof(size());
    const double margin = frame.unit * 0.05;
    return QRectF(frame.origin + key->place.topLeft() * frame.unit, key->place.size() * frame.unit)
        .adjusted(margin, margin, -margin, -margin);
}

QPainterPath KeyboardView::keyshape(const PhysicalKey& key) const {
    const Frame frame = frameof(size());
    const double margin = frame.unit * 0.05;
    const double radius = frame.unit * 0.1;
    QPainterPath path;
    for (const QRectF& part : keyparts(key)) {
        QRectF r(frame.origin + part.topLeft() * frame.unit, part.size() * frame.unit);
        r.adjust(margin, margin, -margin, -margin);
        // A lower row's part reaches up into the one above: one key, no gap between its parts.
        if (!path.isEmpty())
            r.setTop(r.top() - 2 * margin - radius);
        QPainterPath piece;
        piece.addRoundedRect(r, radius, radius);
        path = path.united(piece);
    }
    return path;
}

int KeyboardView::keyat(QPoint point) const {
    for (const PhysicalKey& key : physicalkeys())
        if (keyshape(key).contains(point))
            return key.code;
    return 0;
}

QString KeyboardView::tooltipat(QPoint point) const {
    return heat.value(keyat(point)).lines.join(QLatin1Char('\n'));
}

void KeyboardView::drawkey(QPainter& painter, const PhysicalKey& key, bool lit) const {
    const KeyColours look = lookof(key.code, lit);
    const QPainterPath shape = keyshape(key);
    const double unit = frameof(size()).unit;
    // A lit key also gets a thick outline, so it stands out without telling colours apart.
    painter.setPen(lit ? QPen(palette().color(QPalette::WindowText), std::max(2.0, unit * 0.08))
                       : QPen(palette().color(QPalette::Mid), 1));
    painter.setBrush(look.fill);
    painter.drawPath(shape);
    if (!lit && typingkey(key) && key.finger != Finger::None) {
        // Each finger's keys carry a strip of its colour, below the text.
        const QRectF box = shape.boundingRect();
        painter.save();
        painter.setClipPath(shape);
        painter.fillRect(QRectF(box.left(), box.bottom() - unit * 0.1, box.width(), unit * 0.1),
                         fingercolour(key.finger));
        painter.restore();
    }
    painter.setPen(look.text);
    drawlabels(painter, key);
}

QList<CapLabel> KeyboardView::caplabels(int code) const {
    const PhysicalKey* key = physicalkey(code);
    if (!key)
        return {};
    const double unit = frameof(size()).unit;
    QRectF cap = keyshape(*key).boundingRect();
    if (key->code == keycode::enter)
        cap.setHeight(unit * 0.9);
    const double pad = unit * 0.1;
    const QRectF inner = cap.adjusted(pad, pad / 2, -pad, -pad);
    // Never below the smallest size that reads, the third and fourth levels included.
    const int big = std::max(smallestcappixels, int(unit * 0.32));
    const int small = std::max(smallestcappixels, int(unit * 0.22));
    const int altgr = keyboard.altgrcode();
    const QString plain = oncap(keyboard.text(code, 0));
    const QString shifted = oncap(keyboard.text(code, 1));
    QList<CapLabel> labels;
    if (plain.isEmpty() && shifted.isEmpty()) {
        const QString caption = altgr && code == altgr ? tr("AltGr") : keycaption(*key);
        QFont font = this->font();
        font.setPixelSize(small);
        labels.append({QFontMetrics(font).elidedText(caption, Qt::ElideRight, int(inner.width())),
                       inner, Qt::AlignLeft | Qt::AlignTop, small});
        return labels;
    }
    const bool letter = plain != shifted && shifted == plain.toUpper();
    if (letter || shifted.isEmpty() || shifted == plain) {
        labels.append({letter ? shifted : plain, inner, Qt::AlignLeft | Qt::AlignTop, big});
    } else {
        labels.append({shifted, inner, Qt::AlignLeft | Qt::AlignTop, big});
        labels.append({plain, inner, Qt::AlignLeft | Qt::AlignBottom, big});
    }
    // The third and fourth levels, smaller, on the right as printed on such keyboards.
    const QString third = oncap(keyboard.text(code, 2));
    const QString fourth = oncap(keyboard.text(code, 3));
    if (!third.isEmpty() && third != plain && third != shifted)
        labels.append({third, inner, Qt::AlignRight | Qt::AlignBottom, small});
    if (!fourth.isEmpty() && fourth != third.toUpper() && fourth != third && fourth != shifted)
        labels.append({fourth, inner, Qt::AlignRight | Qt::AlignTop, small});
    return labels;
}

void KeyboardView::drawlabels(QPainter& painter, const PhysicalKey& key) const {
    QFont font = this->font();
    for (const CapLabel& label : caplabels(key.code)) {
        font.setPixelSize(label.pixels);
        painter.setFont(font);
        painter.drawText(label.area, label.flags, label.text);
    }
}

void KeyboardView::invalidate() {
    rest = QPixmap();
    lit.clear();
    update();
}

// The key with room for the lit key's thick outline.
QRect KeyboardView::paintrect(int code) const {
    const int outline = int(std::ceil(std::max(2.0, frameof(size()).unit * 0.08) / 2)) + 1;
    return keyrect(code).toAlignedRect().adjusted(-outline, -outline, outline, outline);
}

const QPixmap& KeyboardView::litkey(int code) {
    auto it = lit.find(code);
    if (it != lit.end())
        return *it;
    const QRect area = paintrect(code);
    const qreal ratio = devicePixelRatioF();
    QPixmap picture(area.size() * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    if (const PhysicalKey* key = physicalkey(code)) {
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(-area.topLeft());
        drawkey(painter, *key, true);
    }
    return *lit.insert(code, picture);
}

void KeyboardView::paintEvent(QPaintEvent* event) {
    const qreal ratio = devicePixelRatioF();
    if (rest.isNull()) {
        rest = QPixmap(size() * ratio);
        rest.setDevicePixelRatio(ratio);
        rest.fill(palette().color(QPalette::Window));
        QPainter painter(&rest);
        painter.setRenderHint(QPainter::Antialiasing);
        // The cache holds every key at rest; the lit ones are drawn over it.
        for (const PhysicalKey& key : physicalkeys())
            drawkey(painter, key, false);
    }
    QPainter painter(this);
    // Only the keys that changed, not the box around them: the last key and the next may lie
    // at both ends of the keyboard. Each copy is clipped to its own rectangle: under the clip
    // of several the painter would copy pixel by pixel instead of line by line.
    for (const QRect& area : event->region()) {
        painter.setClipRect(area);
        painter.drawPixmap(area, rest,
                           QRectF(QPointF(area.topLeft()) * ratio, area.size() * ratio));
    }
    // A lit key is drawn once and then only copied: a keystroke costs a few small copies.
    for (int code : highlighted()) {
        const QRect area = paintrect(code);
        painter.setClipRect(area);
        painter.drawPixmap(area.topLeft(), litkey(code));
    }
}

void KeyboardView::resizeEvent(QResizeEvent*) {
    invalidate();
}

void KeyboardView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange ||
        event->type() == QEvent::StyleChange)
        invalidate();
    QWidget::changeEvent(event);
}

bool KeyboardView::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString tip = tooltipat(help->pos());
        // The tip goes when the pointer leaves its key, so the next key gets its own.
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), plaintooltip(tip), this,
                               keyrect(keyat(help->pos())).toAlignedRect());
        return true;
    }
    return QWidget::event(event);
}

QSize KeyboardView::sizeHint() const {
    const QSizeF keys = physicalsize() * 34;
    return keys.toSize();
}

QSize KeyboardView::minimumSizeHint() const {
    // The smallest keys whose caps hold two rows of the smallest text that reads.
    return (physicalsize() * 27).toSize();
}
