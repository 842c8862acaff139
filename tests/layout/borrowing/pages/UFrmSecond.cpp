#include "pages/UFrmSecond.h"
#include "pages/USharedHelper.h"
