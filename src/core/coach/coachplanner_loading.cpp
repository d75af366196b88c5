// The coach's planner: the typing history and the words it teaches from, and own texts.
#include "coach/coachplanner.h"

#include "coach/owntextloader.h"
#include "keyboard/layoutlanguage.h"

#include <QFileInfo>
#include <QThread>

// The words of the drills' language, read away from the coach's thread.
struct LoadedWords {
    LanguageWords words;
    QString why; // why the layout's language is not the words'
};

namespace {

// When a language's list can't be had, its letters are taken in this order, English's.
const QString fallbackletters = QStringLiteral("etaoinsrhldcumfpgwybvkxqz");

const QString readingstatistics = QStringLiteral("Reading the typing statistics...");

} // namespace

void CoachPlanner::load(const QString& layout) {
    if (loading())
        return;
    auto result = std::make_shared<LoadedWords>();
    wordsread = result;
    wordsready = false;
    if (lastnote.isEmpty())
        tell(readingstatistics);
    // The layouts' registry takes a while to read, and a word list a moment; the window answers
    // meanwhile, as it does while the history is read.
    QThread* worker = QThread::create([result, chosen = plan.language, layout] {
        result->words =
            loadlanguagewords(drilllanguage(chosen, layoutlanguage(layout), result->why));
    });
    wordsworker = worker;
    connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    connect(worker, &QThread::finished, this, [this] {
        wordsready = true;
        takeuphistory();
    });
    worker->start();
    history->load();
    if (!plan.text.isEmpty() && owntext.sentences.isEmpty() && !readingtext)
        loadtext(plan.text, false);
}

void CoachPlanner::finishloading() {
    history->finishloading();
    if (wordsworker)
        wordsworker->wait();
    wordsready = true;
    takeuphistory();
}

void CoachPlanner::takeuphistory() {
    if (!wordsread || !wordsready || !history->isloaded())
        return;
    QString trouble = records().trouble;
    for (const QString& more : {wordsread->why, wordsread->words.error})
        if (!more.isEmpty())
            trouble += (trouble.isEmpty() ? QString() : QStringLiteral(" ")) + more;
    LanguageWords list = std::move(wordsread->words);
    wordsread.reset();
    takeupwords(std::move(list));
    if (!trouble.isEmpty())
        tell(trouble);
    else if (lastnote == readingstatistics)
        tell(firstnote());
    emit historyloaded();
}

void CoachPlanner::takeupwords(LanguageWords list) {
    words.language = list.language;
    words.letters = letterorder(list.words);
    if (words.letters.isEmpty())
        words.letters = QList<QChar>(fallbackletters.cbegin(), fallbackletters.cend());
    words.pairs = pairweights(list.words);
    words.model = DrillWords(std::move(list.words));
    // What this session saw of the keys was of the other language's drills.
    recent.clear();
    toldheld.clear();
    emit languagechanged(words.language);
    showfocus();
}

void CoachPlanner::choosewords(const QString& code) {
    if (code.isEmpty() || code == words.language || drilling())
        return;
    plan.language = code;
    keepplan();
    chosenfocus = QChar();
    LanguageWords list = loadlanguagewords(code);
    tell(list.error);
    takeupwords(std::move(list));
}

void CoachPlanner::followlayout(const QString& layout) {
    // Until the player chooses a language, the words are the keyboard layout's.
    if (!plan.language.isEmpty() || loading() || drilling())
        return;
    QString why;
    const QString code = drilllanguage({}, layoutlanguage(layout), why);
    if (code == words.language)
        return;
    chosenfocus = QChar();
    const QString was = words.language;
    LanguageWords list = loadlanguagewords(code);
    const QString error = list.error;
    takeupwords(std::move(list));
    // The keys in play are the new language's; the player hears why, and that nothing is lost.
    QString told = !error.isEmpty() ? error : why;
    if (!was.isEmpty() && languagename(code) != languagename(was))
        told = QStringLiteral("The keyboard layout changed: the drills are in %1 words now, with "
                              "%2 keys in play; what you learned in %3 is kept for %3 words.")
                   .arg(languagename(code))
                   .arg(inplay.size())
                   .arg(languagename(was)) +
               (told.isEmpty() ? QString() : QLatin1Char(' ') + told);
    tell(told);
}

void CoachPlanner::loadtext(const QString& path, bool chosen) {
    tell(QStringLiteral("Reading %1...").arg(QFileInfo(path).fileName()));
    emit textreading(true);
    readingtext = true;
    loadowntextaside(path, this, [this, chosen](LoadedText& result) { textread(result, chosen); });
}

void CoachPlanner::textread(LoadedText& result, bool chosen) {
    readingtext = false;
    if (!result.text.error.isEmpty()) {
        tell(result.text.error);
    } else {
        owntext = std::move(result.text);
        emit textloaded(QFileInfo(owntext.path).fileName(), chosen);
        tell(QString());
        if (!drilling())
            showfocus();
        // The text kept from the last time waits in hand; one the player just chose is next.
        if (chosen) {
            choosekind(DrillKind::OwnText);
            plan.text = owntext.path;
            keepplan();
        }
    }
    emit textreading(false);
}
