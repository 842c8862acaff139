#include "pages/UFrmFirst.h"
#include "pages/UFrmSecond.h"
#include "pages/UOwnHelper.h"
