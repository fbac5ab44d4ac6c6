#include "ProfitBar.h"
