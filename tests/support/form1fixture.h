#pragma once

#include "career/career.h"
#include "shell/form1.h"
#include "support/fakes.h"

// The main window with the fakes, for the tests that drive it, begun as the player begins:
// a New game of "Tester", its boxes and draws forgotten. `fresh` leaves it as the program
// starts instead, before any game.
class Form1Fixture : public GameFixture {
public:
    enum Start { Begun, Fresh };
    explicit Form1Fixture(Start start = Begun);
    ~Form1Fixture();

    // The career as given, shown, with nothing of it in the boxes and draws recorded.
    void setcareer(const CareerState& state);
    // The main window of another player of the same folder.
    Form1* another();

    Form1 form;

private:
    QList<Form1*> others;
};
