// coachplan.dat on any bytes: whatever they hold, the plan read holds only keys a drill can ask
// and a target speed the coach offers, and written back it reads the same, and whole.
#include "coach/coachplan.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    CoachPlan plan;
    readcoachplan(bytes, plan);
    if (plan.targetwpm < slowesttarget || plan.targetwpm > fastesttarget)
        __builtin_trap();
    for (const QString& keys : plan.inplay.values() + plan.leftout.values())
        for (QChar key : keys)
            if (key.isSpace() || key.isSurrogate() || key.category() == QChar::Other_Control)
                __builtin_trap();
    CoachPlan again;
    if (readcoachplan(coachplanline(plan), again) != Reading::Whole || again != plan)
        __builtin_trap();
    return 0;
}
