#pragma once
// Moved to src/modul; this name stays only until the tests include the new one.
#include "modul/HauptModul.h"
