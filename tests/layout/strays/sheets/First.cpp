#include "sheets/First.h"

#include "sheets/Interface.h"
#include "sheets/Second.h"
