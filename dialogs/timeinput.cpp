#include "dialogs/timeinput.h"

#include "dialogs/dialogresponder.h"
#include "support/appinfo.h"
#include "support/clock.h"
#include "support/timetext.h"

namespace jotlet {

QString inputTime(const QString& prompt, const QString& title, const QString& defaultTime)
{
    QTime initial = parseTimeOfDay(defaultTime);
    if (!initial.isValid()) {
        initial = Clock::now().time();
    }
    const QString shownTitle = title.isEmpty() ? QString::fromLatin1(kApplicationName) : title;
    const std::optional<QTime> answer = dialogResponder().timeDialog(shownTitle, prompt, initial);
    return answer ? timeOfDayText(*answer) : QString();
}

} // namespace jotlet
