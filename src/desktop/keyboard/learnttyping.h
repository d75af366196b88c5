#pragma once

#include <QObject>
#include <QString>

#include <memory>

class LayoutTyper;
class QLineEdit;

// Makes a typing box type as another layout would, key by key by each key's place, while the
// desktop and every other window keep the desktop's layout. The box's input method is set aside
// meanwhile: its keys are this layout's.
class LearntTyping : public QObject {
    Q_OBJECT
public:
    explicit LearntTyping(QLineEdit* box);
    ~LearntTyping() override;

    // A layout as the keyboard chooser names it ("us(dvorak)"); empty for the desktop's own,
    // which gives the box back its own typing. False when the layout can't be compiled.
    bool learn(const QString& key);
    bool learning() const { return typer != nullptr; }

signals:
    // A dead key of the learnt layout waits for its base.
    void deadkey();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* box;
    std::unique_ptr<LayoutTyper> typer;
    bool inputmethod = true; // as the box had it
};
