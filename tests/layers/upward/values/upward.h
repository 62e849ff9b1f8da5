// A bottom-layer header that reaches up into the engine: the layer check must
// reject this tree.
#pragma once

#include "engine/calculator.h"
