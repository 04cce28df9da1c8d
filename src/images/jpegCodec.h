#pragma once

#include <QImage>

#include <cstdint>
#include <span>
#include <vector>

// JPEG through libjpeg. Reading gives Format_RGB32 and raises eStreamError for damaged data.
QImage readJpeg(std::span<const uint8_t> file);
std::vector<uint8_t> writeJpeg(const QImage& picture);
