// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geo/Geodesia.h"
#include "poligono/Poligonal.h"

namespace ceravel {

// The plane of SIRGAS 2000 / UTM `zona` (`sul`: southern hemisphere) through
// PROJ: a plane point's latitude and longitude, γ and k. The last point asked
// is remembered, since the traverse asks γ and k at the same start. A point
// PROJ cannot convert gives NaN, which the traverse refuses with a message.
// `geodesia` must outlive the returned functions.
PlanoUtm PlanoSirgas(geo::Geodesia& geodesia, int zona, bool sul);

}  // namespace ceravel
