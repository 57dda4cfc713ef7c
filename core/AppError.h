#pragma once

#include <QString>
#include <stdexcept>

namespace vestrona {

// The one exception type of the program. Its description is shown to the
// user as it stands, so it is written in plain words and names what failed.
class AppError : public std::runtime_error {
public:
    explicit AppError(const QString &description)
        : std::runtime_error(description.toStdString()), mDescription(description) {}

    const QString &description() const noexcept { return mDescription; }

private:
    QString mDescription;
};

} // namespace vestrona
