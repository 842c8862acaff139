#pragma once
// Declares what First.cpp and others define, in the types of First.h: no unit of its own.
#include "sheets/First.h"
