#pragma once

#include <QHash>
#include <QLabel>
#include <QStaticText>

// A label for a figure that changes at every keystroke ("42 WPM"). A plain label lays its text
// out at each paint; this one lays out each text once and keeps it, so showing a figure it has
// shown before only draws glyphs already placed. Plain text, one line, left and centred.
class FigureLabel : public QLabel {
    Q_OBJECT
public:
    FigureLabel(const QString& text, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QHash<QString, QStaticText> laidout;
};
