#pragma once

// The standard streams carry the bytes as they are, the same on every system: Windows' C
// runtime would otherwise turn every "\n" written into "\r\n" (a CR LF line end into CR CR LF)
// and stop reading at a Ctrl+Z. Elsewhere there is nothing to do.
void UseBinaryStandardStreams();
