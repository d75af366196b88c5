#include "support/careerfixture.h"

CareerFixture::CareerFixture(const QString& name) {
    const int daysbefore = career.daysbegun();
    career.resetvalues();
    career.setplayername(name);
    career.setmoney(250);
    career.updatestatus();
    career.begincareer(daysbefore, QString());
}
