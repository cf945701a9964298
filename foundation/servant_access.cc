#include "servant_access.h"
