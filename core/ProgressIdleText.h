#pragma once

namespace vestrona {

// ProgressBar1's text whenever nothing is under way: before the countdown
// starts, while it has no reminder, and after a backup or restore.
inline constexpr auto kProgressIdleText = "Progress Bar";

} // namespace vestrona
