#include "CaptureState.h"

int CaptureTarget = 0;
QString CapturedColor;
