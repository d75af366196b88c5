#pragma once

#include <QLabel>

// A label of the status panel: it shows a value as plain text, and one too long for it, such as
// a long name, cut with "…" and whole in its tooltip.
class WatchLabel : public QLabel {
    Q_OBJECT
public:
    // Shows its text as it is: a player's name is never taken for markup.
    explicit WatchLabel(QWidget* parent = nullptr);
    // Hides QLabel::setText on purpose, so the tooltip follows every text.
    void setText(const QString& text);
    // Whether the text is wider than the label shows.
    bool iscut() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void settooltip();
};
