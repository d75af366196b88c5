#include "support/careerfixture.h"

CareerFixture::CareerFixture(const QString& name) {
    career.resetvalues();
    career.setstate({name, 0, 250, 0, 0});
    career.begincareer(QString());
}
