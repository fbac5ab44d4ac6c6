#include "FeeBreakdown.h"
