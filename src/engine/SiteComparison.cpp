#include "SiteComparison.h"
