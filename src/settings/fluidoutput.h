#pragma once
#include "settings/music.h"

// The sound device on libfluidsynth.
class FluidOutput : public SilentOutput {};
