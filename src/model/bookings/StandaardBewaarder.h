#pragma once
// The saving step of the booking model in the running program: the whole
// book written back without asking for a name.

#include "model/bookings/BoekingModel.h"

namespace valdero {

BoekBewaarder StandaardBewaarder();

}  // namespace valdero
