// Compiled once per forbidden include by the layer tests: PROBE_INCLUDE names the header a layer
// must not reach. The build of the probe is expected to fail; the control probe, which includes
// a header the layer may use, is expected to build.
#include PROBE_INCLUDE

int velkor_layer_probe = 0;
