#pragma once

#include <QString>

// True once any entry box has changed since start-up, the last save or the last load.
extern bool SchemeChanged;

// The scheme file last chosen for saving or loading; empty until then.
extern QString CurrentSchemeFile;
