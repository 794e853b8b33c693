// STUB: to be written
#include "protocol/frame_analysis.h"
namespace kestrova {
void ScanFrames(ReceiveRing&, int, FrameSink&) {}
void AnalyseFrame(ReceiveRing&, int, FrameSink&) {}
}  // namespace kestrova
