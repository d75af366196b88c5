#pragma once

#include <QString>

// The language a test program runs under: KEYSTRIDER_TEST_LANGUAGE ("de", "en_XA"), its
// catalogues loaded from the build folder and installed before the first test, and the locale
// made that language's, as a player's desktop would be. Empty when it runs in English.
QString testlanguage();

// For the time it lives, the game speaks English again: the test language's catalogues are
// taken away, and put back after.
class InEnglish {
public:
    InEnglish();
    ~InEnglish();
    InEnglish(const InEnglish&) = delete;
    InEnglish& operator=(const InEnglish&) = delete;
};
