#include "support/form1fixture.h"
#include "samples/careerstaging.h"

Form1Fixture::Form1Fixture(Start start) {
    if (start == Begun) {
        form.startnewgame();
        setcareer(form.career->state());
    }
}

Form1Fixture::~Form1Fixture() {
    qDeleteAll(others);
}

void Form1Fixture::setcareer(const CareerState& state) {
    staged(form.career).setstate(state);
    dialogs.shown.clear();
    random.drawn = 0;
    random.reseeds.clear();
}

Form1* Form1Fixture::another() {
    others << new Form1;
    return others.last();
}
