#include "sheets/Second.h"

#include "sheets/First.h"
