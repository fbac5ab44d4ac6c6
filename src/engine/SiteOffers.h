#pragma once

#include "ListingSnapshot.h"
