#pragma once

#include <memory>

class QSplashScreen;

// The small form shown, centred, while the start-up program and the program's own project
// load; the start-up sequence hides it and the main window shows instead. Above other windows
// unless `topmost` is off (the parameter block's debug flag).
std::unique_ptr<QSplashScreen> showSplash(bool topmost);
