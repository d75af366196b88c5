#pragma once

#include <QLabel>

// A label that announces a new caption at once, inside the write, and stays quiet when the
// same caption is written again. Other windows change the career through such labels.
class WatchLabel : public QLabel {
    Q_OBJECT
public:
    // Shows its text as it is: a player's name is never taken for markup.
    explicit WatchLabel(QWidget* parent = nullptr);
    // Hides QLabel::setText on purpose: every write goes through the comparison. A text too wide
    // for the label is cut with an ellipsis and becomes its tooltip as well.
    void setText(const QString& text);
    // Whether the text is wider than the label shows.
    bool iscut() const;

signals:
    void changed();

protected:
    void paintEvent(QPaintEvent* event) override;
};
