// The decimal separator of the user's regional settings, read once at program start.
#pragma once

namespace qorix {
char regionalDecimalSeparator();
}
