#pragma once

#include <QPlainTextEdit>
#include <QTimer>

#include <optional>

// A multi-line text box whose text reads back with CR LF line ends, as the saved game and the
// log's entries need it.
class LogBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit LogBox(QWidget* parent = nullptr);
    // The whole text, also while a long one is still being shown.
    QString text() const;
    // Quick also for a log of megabytes; the lines of a very long one are shown in groups (the
    // scroll bar then settles as the player scrolls through them), and a text of megabytes
    // comes in over several turns of the event loop, so the window answers meanwhile.
    void setText(const QString& text);
    // Inserts at the end whatever the caret or the selection.
    void appendatend(const QString& text);
    void movecarettoend();
    bool filling() const { return !pending.isEmpty(); }
    // The log's own font, taken on once the log is shown or given text: a font's first use costs
    // a match among the desktop's fonts, and the main window starts hidden.
    void setlogfont(const QFont& font);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fillslice();
    void takelogfont();

    QString pending; // a long text, shown up to `pendingfrom`
    qsizetype pendingfrom = 0;
    QString pendingtail;      // added while it came in
    qsizetype group = 0;      // lines to a paragraph; 0: each line its own
    qsizetype linesshown = 0; // line breaks grouped so far
    bool caretatend = false;  // once the text is all in
    QTimer filler;
    std::optional<QFont> logfont; // until it is taken on
};
