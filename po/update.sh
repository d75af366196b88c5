#!/bin/sh
# Brings po/keystrider.pot and every po/LANG.po up to date with the English texts of the menu
# entry and the software-centre page, for a translator to fill in (README, "Languages").
set -eu
cd "$(dirname "$0")"
# The game's name stays as it is: only these keys of the menu entry are translated.
xgettext --package-name=keystrider --no-location --from-code=UTF-8 -k -kGenericName -kComment \
    -kKeywords -o keystrider.pot ../data/org.keystrider.Keystrider.desktop
xgettext --package-name=keystrider --no-location --its=/usr/share/gettext/its/metainfo.its -j \
    -o keystrider.pot ../data/org.keystrider.Keystrider.metainfo.xml.in
sed -i '/^"POT-Creation-Date:/d' keystrider.pot
for language in $(cat LINGUAS); do
    [ -f "$language.po" ] || continue
    msgmerge --quiet --update --no-fuzzy-matching --backup=none "$language.po" keystrider.pot
done
