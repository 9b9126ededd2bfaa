// The matched pairs t-test of the records in columns 1 and 2.
#pragma once

#include "calculations/common/data_sheet.h"
#include "calculations/common/outcome.h"

namespace quillon {

// A record's cell that is not a number is refused by name; fewer than two complete records: a
// refusal with the empty answer area. Differences without
// variance: that message, with a beep, the clipboard left alone.
Outcome matchedPairsT(const DataSheetInput& input);

} // namespace quillon
