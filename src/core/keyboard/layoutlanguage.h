#pragma once

#include <QString>

// The language a keyboard layout is made for, as xkeyboard-config's registry says, by the
// layout's description ("German", "English (US)"): an ISO 639-1 code ("de") where there is one,
// else the registry's own ISO 639 code ("rus"); empty when the registry names none or does not
// know the layout. The registry is read once, on first use, which takes a moment: call it away
// from a window's thread first.
QString layoutlanguage(const QString& description);
