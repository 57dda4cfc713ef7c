#pragma once

#include <QString>

namespace vestrona {

// The weekday boxes' words, Monday 0 … Sunday 6, in the user's language.
QString weekdayCaption(int day);
QString weekdayName(int day);

} // namespace vestrona
