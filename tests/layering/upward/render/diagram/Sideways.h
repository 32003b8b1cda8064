#pragma once

// The drawing layer must not depend on the windows.
#include "ui/main/TMainWindow.h"
