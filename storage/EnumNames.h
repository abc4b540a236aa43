#pragma once
// The names under which the enumerations of the model are stored, and reads
// of them that cannot yield an index outside their table: a number written
// in the file's place of a name is taken only when it names a listed value.
#include <array>
#include <cstdint>
#include <string_view>

#include "formats/Multilevel.h"

namespace qv {

inline constexpr std::array<std::string_view, 3> AxisTypeNames{"Unused", "Multipos", "Analog"};
inline constexpr std::array<std::string_view, 3> HangPosNames{"None", "Min", "Max"};
inline constexpr std::array<std::string_view, 3> ParkPosNames{"None", "Release", "Press"};
// File values 1..8 are the directions 0..7, north first, clockwise.
inline constexpr std::array<std::string_view, 9> HatDirectionNames{"OFF", "N",  "NE", "E", "SE",
                                                                   "S",   "SW", "W",  "NW"};

// ReadEnum, with an index outside the names giving def.
int32_t ReadListed(const TMultilevel& section, std::string_view name, std::span<const std::string_view> names,
                   int32_t def);
// ReadEnumReq, with an index outside the names giving def; a missing
// variable or a value that is neither a name nor a number still raises.
int32_t ReadListedReq(const TMultilevel& section, std::string_view name,
                      std::span<const std::string_view> names, int32_t def);

}  // namespace qv
