#pragma once
// The cold-water temperature of a station without a measured series, from its monthly
// air temperatures. The water mains follow the ground: the annual mean sits about 1 K
// above the air's, and the seasonal swing is damped and lags by half a month:
//   Tef(m) = Ta + a + c ((T(m) + T(m-1)) / 2 - Ta),  Ta the annual mean air temperature,
// with T(0) = T(12). a and c were fitted on the regulatory cold-water series of the
// typical-year stations; the station generator checks that its fit still gives them.

#include <array>

inline constexpr double EauFroideEcart = 0.91;         // a [K]
inline constexpr double EauFroideAmortissement = 0.81; // c [-]

// Months 1..12 of the air temperatures [°C] to months 1..12 of the cold water [°C];
// index 0 is ignored and returned as 0.
std::array<float, 13> TemperaturesEauFroide(const std::array<float, 13>& text);
