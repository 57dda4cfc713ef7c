#pragma once

#include "scheduler/Agenda.h"

#include <vector>

class QTextStream;

namespace vestrona {

// `agenda`'s lines, one per entry: "YYYY-MM-DD HH:MM:SS<TAB>ID<TAB>MESSAGE",
// the message escaped as `list` escapes it.
void writeAgenda(QTextStream &out, const std::vector<AgendaEntry> &entries);

} // namespace vestrona
