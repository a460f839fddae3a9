#pragma once

#include <QString>

namespace jotlet {

// Asks for a time of day in a small window with the prompt, a time picker, "&Ok" and "&Cancel", titled title (the
// program's name when empty). The picker starts at defaultTime ("hh:mm:ss AMPM"), or at the current time when
// that is empty or not a time. Both buttons give the time the picker shows, as "hh:mm:ss AMPM"; closing the window
// without a button gives "".
QString inputTime(const QString& prompt, const QString& title, const QString& defaultTime);

} // namespace jotlet
