#include "pages/UFrmFirst.h"
#include "pages/UFrmSecond.h"
