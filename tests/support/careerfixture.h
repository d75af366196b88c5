#pragma once

#include "career/career.h"
#include "common/controls.h"
#include "common/sidewindow.h"
#include "support/fakes.h"

#include <QPointer>

// The fakes and a career begun as New begins one ($250, rank 0, day 0, shown on the panel and
// counting as unchanged), for a window test that needs no main window.
class CareerFixture : public GameFixture {
public:
    explicit CareerFixture(const QString& name = QStringLiteral("Tester"));

    // The window of that slot, made with the career on first use as the main window makes it,
    // and gone with the career at the latest.
    template <typename W> W* window(QPointer<W>& slot) {
        return sidewindow(slot, &career, &career);
    }
    // The same, brought to the front as the main window's command opens it.
    template <typename W> W* open(QPointer<W>& slot) {
        showtofront(window(slot));
        return slot;
    }

    Career career;
};
