#pragma once

// A utility that reaches up to the selection: the layering check must refuse it.
#include "selection/TAuswahlParam.h"
