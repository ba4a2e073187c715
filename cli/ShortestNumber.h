#pragma once

namespace zodiora::cli {

/// Writes `value` at `at` exactly as nlohmann's dump() prints a double (the
/// digits of its Grisu2, F. Loitsch 2010, which round-trip but are not always
/// the shortest; fixed notation for decimal exponents -4..15, else
/// "d.ddde+XX"; "-0.0", "null" when not finite), in fewer steps; returns the
/// end. `at` must have room for 40 bytes.
char* PutShortestNumber(char* at, double value);

}  // namespace zodiora::cli
