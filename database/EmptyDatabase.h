#pragma once

#include <QString>

namespace vestrona {

// Makes an empty reminder database at `path` (a new file, or an existing
// empty one) by running the statements of the schema file at `schemaPath`.
// Throws AppError naming the file and the problem.
void createEmptyDatabase(const QString &path, const QString &schemaPath);

} // namespace vestrona
