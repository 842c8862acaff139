#pragma once
#include "pages/USharedHelper.h"
