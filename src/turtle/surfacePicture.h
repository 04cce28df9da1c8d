#pragma once

#include <QColor>
#include <QImage>

#include <atomic>
#include <cstdint>
#include <mutex>
#include <optional>

// The picture of a drawing surface, made and filled with its background on first use: a page
// nobody draws on or shows (every console run that draws nothing) never pays for writing its
// megabytes of pixels. Until then it remembers its size and the colour it is to be filled with.
// Used like the QImage it holds: the calls the drawing code makes, `&picture` for a QPainter, and
// as a QImage&.
class tSurfacePicture {
public:
    tSurfacePicture(int width, int height, uint32_t backgroundColour)
        : width_(width), height_(height), fillColour_(backgroundColour)
    {
    }
    tSurfacePicture(const tSurfacePicture&) = delete;
    tSurfacePicture& operator=(const tSurfacePicture&) = delete;

    QImage& Image() const
    {
        if (!made_.load(std::memory_order_acquire)) Make();
        return *image_;
    }
    operator QImage&() const { return Image(); }
    QImage* operator&() const { return &Image(); }
    tSurfacePicture& operator=(const QImage& image)
    {
        Image() = image;
        return *this;
    }

    // Fills with the colour: at once when the picture exists, else when it is made.
    void Fill(uint32_t rgb)
    {
        {
            std::lock_guard<std::mutex> hold(making_);
            if (!made_.load(std::memory_order_relaxed)) {
                fillColour_ = rgb;
                return;
            }
        }
        image_->fill(QColor::fromRgb(0xFF000000u | rgb));
    }
    // A picture not made yet takes the size (and the colour it will be filled with): true. A
    // made one is left to the caller, who keeps what is drawn on it: false.
    bool ResizeUnmade(int width, int height, uint32_t rgb)
    {
        std::lock_guard<std::mutex> hold(making_);
        if (made_.load(std::memory_order_relaxed)) return false;
        width_ = width;
        height_ = height;
        fillColour_ = rgb;
        return true;
    }

    int width() const { return made_.load(std::memory_order_acquire) ? image_->width() : width_; }
    int height() const { return made_.load(std::memory_order_acquire) ? image_->height() : height_; }
    QSize size() const { return {width(), height()}; }
    QRect rect() const { return {0, 0, width(), height()}; }

    // The QImage calls the drawing code makes on a surface's picture.
    QRgb pixel(int x, int y) const { return Image().pixel(x, y); }
    void setPixel(int x, int y, uint rgb) { Image().setPixel(x, y, rgb); }
    QImage copy(const QRect& part = QRect()) const { return Image().copy(part); }
    void fill(const QColor& colour) { Image().fill(colour); }
    qint64 cacheKey() const { return Image().cacheKey(); }

private:
    void Make() const
    {
        std::lock_guard<std::mutex> hold(making_);
        if (made_.load(std::memory_order_relaxed)) return;
        image_.emplace(width_, height_, QImage::Format_RGB32);
        image_->fill(QColor::fromRgb(0xFF000000u | fillColour_));
        made_.store(true, std::memory_order_release);
    }

    mutable std::mutex making_;
    mutable std::atomic<bool> made_{false};
    // Not even an empty QImage before: that would load the graphics libraries at start-up.
    mutable std::optional<QImage> image_;  // Format_RGB32 once made
    int width_;
    int height_;
    uint32_t fillColour_;  // 0xRRGGBB, under making_ until made
};
