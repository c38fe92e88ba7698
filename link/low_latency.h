#pragma once

namespace velt {

// Asks the serial driver to hand over each received byte at once. USB serial
// adapters otherwise hold received bytes for their latency timer (16 ms on
// common chips), which multiplies the time of a byte-by-byte dialogue.
// Returns whether the driver took the request; where it cannot, nothing
// changes.
bool RequestLowLatency(long long nativeHandle);

}  // namespace velt
