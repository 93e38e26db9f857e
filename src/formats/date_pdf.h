#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace bilobe {

// The time that files must carry instead of now, for builds and tests that
// make the same bytes twice: the reproducible-builds convention's
// SOURCE_DATE_EPOCH (seconds since 1970, UTC). Nothing when it is not set or
// is not a plain count of seconds.
std::optional<std::int64_t> date_reproductible();

// Days since 1970-01-01 to the civil date (the proleptic Gregorian calendar).
void date_civile(std::int64_t jours, std::int64_t& annee, unsigned& mois, unsigned& jour);

} // namespace bilobe
