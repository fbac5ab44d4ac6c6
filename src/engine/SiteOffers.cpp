#include "SiteOffers.h"
