// coachplan.dat on any bytes: whatever they hold, the plan read holds, for every layout, only keys
// a drill can ask and a target speed the coach offers, and written back it reads the same, and
// whole.
#include "coach/coachplan.h"

#include <algorithm>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    CoachPlan plan;
    readcoachplan(bytes, plan);
    const auto sound = [](const CoachPlan::Layout& layout) {
        if (layout.targetwpm < slowesttarget || layout.targetwpm > fastesttarget)
            return false;
        QString all =
            layout.inplay.values().join(QString()) + layout.leftout.values().join(QString());
        for (QChar key : layout.focus)
            all.append(key);
        return std::none_of(all.cbegin(), all.cend(), [](QChar key) {
            return key.isSpace() || key.isSurrogate() || key.category() == QChar::Other_Control;
        });
    };
    if (!sound({plan.inplay, plan.tries, plan.targetwpm, plan.focus, plan.leftout}))
        __builtin_trap();
    for (const CoachPlan::Layout& layout : std::as_const(plan.layouts))
        if (!sound(layout))
            __builtin_trap();
    CoachPlan again;
    if (readcoachplan(coachplanline(plan), again) != Reading::Whole || again != plan)
        __builtin_trap();
    return 0;
}
