#include "ProfitCalculator.h"
