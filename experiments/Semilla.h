// A run's seed as a user writes it, in the experiments window's «Semilla:» or after
// quelmar-cli's --semilla: a whole number of the generator's state, 0 to 4294967295.
#pragma once

#include <QString>

#include <cstdint>
#include <limits>
#include <optional>

inline constexpr std::uint32_t SemillaMaxima = std::numeric_limits<std::uint32_t>::max();

// What a text names as a seed: decimal digits only, leading zeros allowed, at most SemillaMaxima;
// nothing for any other text.
std::optional<std::uint32_t> LeerSemilla(const QString& texto);
