#pragma once

#include <memory>

class QGuiApplication;

// The Qt application of the program, made on the thread that becomes the window thread. With
// `offscreen` (the console), or when no display is found, it draws on Qt's offscreen platform,
// since a Qt program without a display aborts.
std::unique_ptr<QGuiApplication> makeGuiApplication(int& argc, char** argv, bool offscreen);
