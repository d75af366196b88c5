#pragma once

#include <QHash>
#include <QLabel>
#include <QPixmap>

// A label for a figure that changes at every keystroke ("42 WPM"). A plain label lays its text
// out and draws its glyphs at each paint; this one draws each text once, ground and all, and
// keeps the picture: a figure shown before costs one copy. Plain text, one line, left and
// centred.
class FigureLabel : public QLabel {
    Q_OBJECT
public:
    FigureLabel(const QString& text, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QPixmap draw() const;
    QHash<QString, QPixmap> drawn;
};
