#pragma once

// The 80-bit extended format of the x87 (64-bit significand with explicit integer bit,
// 15-bit exponent biased by 16383, sign), little-endian, converted without long double.
namespace extended80 {

void fromDouble(double value, unsigned char out[10]);
// Rounds to the nearest double (ties to even); too large gives infinity.
double toDouble(const unsigned char in[10]);

} // namespace extended80
