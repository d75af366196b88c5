#include "support/careerfixture.h"
#include "samples/careerstaging.h"

CareerFixture::CareerFixture(const QString& name) {
    staged(career).resetvalues();
    staged(career).setstate({name, 0, 250, 0, 0});
    career.begincareer(QString());
}
