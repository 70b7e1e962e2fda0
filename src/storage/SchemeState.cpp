#include "SchemeState.h"

bool SchemeChanged = false;
QString CurrentSchemeFile;
