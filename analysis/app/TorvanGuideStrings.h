#pragma once
// The analysis program's guide strings (string ids 4000-4999), registered at start-up.

namespace torvan {

void RegisterTorvanGuideStrings();

} // namespace torvan
