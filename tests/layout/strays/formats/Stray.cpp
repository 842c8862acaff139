#include "formats/Stray.h"

#include <QString>
