#include "keyboard/keyboardchooser.h"
#include "common/filereading.h"

#include "keyboard/keyboardchoice.h"

#include <QCoreApplication>
#include <QFile>
#include <QXmlStreamReader>

#include <algorithm>

namespace {

// The name and description of a configItem, whose other children are skipped.
KeyboardLayoutName readitem(QXmlStreamReader& xml) {
    KeyboardLayoutName item;
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("name"))
            item.layout = xml.readElementText();
        else if (xml.name() == QLatin1String("description"))
            item.description = xml.readElementText();
        else
            xml.skipCurrentElement();
    }
    return item;
}

KeyboardLayoutName fallback() {
    return {QStringLiteral("us"), {}, QStringLiteral("English (US)")};
}

QString keyof(const KeyboardLayoutName& name) {
    return name.variant.isEmpty() ? name.layout : name.layout + '(' + name.variant + ')';
}

} // namespace

QList<KeyboardLayoutName> xkblayoutnames(const QString& rulesfile) {
    // The system's list of layouts is a few hundred KB: a file far larger is no such list.
    QFile file;
    if (!openfile(rulesfile, 16 * 1024 * 1024, file).ok())
        return {};
    QList<KeyboardLayoutName> names;
    QXmlStreamReader xml(&file);
    QString layout;
    bool invariant = false;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement && xml.name() == QLatin1String("layoutList"))
            break;
        if (token != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("layout")) {
            invariant = false;
        } else if (xml.name() == QLatin1String("variant")) {
            invariant = true;
        } else if (xml.name() == QLatin1String("configItem")) {
            KeyboardLayoutName item = readitem(xml);
            if (invariant) {
                item.variant = item.layout;
                item.layout = layout;
            } else {
                layout = item.layout;
            }
            // The models list before the layouts has configItems too; they are no layouts.
            if (!layout.isEmpty() && !item.description.isEmpty())
                names.append(item);
        } else if (xml.name() == QLatin1String("modelList")) {
            xml.skipCurrentElement();
        }
    }
    if (xml.hasError())
        return {};
    std::stable_sort(names.begin(), names.end(), [](const auto& a, const auto& b) {
        return QString::localeAwareCompare(a.description, b.description) < 0;
    });
    return names;
}

KeyboardChooser::KeyboardChooser(QList<KeyboardLayoutName> layouts, bool systemkeymap)
    : names(std::move(layouts)), system(systemkeymap) {
    if (names.isEmpty())
        names.append(fallback());
    if (!system && !choose(keyof(fallback())))
        row = 0;
}

int KeyboardChooser::count() const {
    return names.size() + (system ? 1 : 0);
}

QString KeyboardChooser::caption(int at) const {
    if (system && at == 0)
        return QCoreApplication::translate("KeyboardChooser", "System keyboard");
    const qsizetype index = at - (system ? 1 : 0);
    return index >= 0 && index < names.size() ? names.at(index).description : QString();
}

void KeyboardChooser::choose(int newrow) {
    if (newrow >= 0 && newrow < count())
        row = newrow;
}

QString KeyboardChooser::key() const {
    if (system && row == 0)
        return {};
    return keyof(names.at(row - (system ? 1 : 0)));
}

bool KeyboardChooser::choose(const QString& key) {
    if (key.isEmpty()) {
        if (system)
            row = 0;
        return system;
    }
    for (qsizetype i = 0; i < names.size(); ++i)
        if (keyof(names.at(i)) == key) {
            row = int(i) + (system ? 1 : 0);
            return true;
        }
    return false;
}

KeyboardLayout KeyboardChooser::load() const {
    return layoutofchoice(key());
}
