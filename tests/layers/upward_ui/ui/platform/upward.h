// A header of the lowest room of the window that reaches up into the main
// window: the layer check must reject this tree.
#pragma once

#include "ui/window/main_window.h"
