#pragma once

namespace zodiora::test {

/// Signs as the vedic and matching kernels count them: 0 = Aries to
/// 11 = Pisces.
enum SignIndex : int { Aries = 0, Taurus, Gemini, Cancer, Leo, Virgo, Libra, Scorpio, Sagittarius, Capricorn, Aquarius, Pisces };

}  // namespace zodiora::test
