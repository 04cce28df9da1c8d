#include "platform/video/tQtVideoFront.h"

#include <QCoreApplication>
#include <QMediaPlayer>
#include <QUrl>
#include <QVideoWidget>

#include "platform/video/gstreamerElements.h"
#include "processes/tWindowThread.h"
#include "values/eLogoException.h"

tQtVideoFront::tQtVideoFront(QWidget* page) : page(page) {}

tQtVideoFront::~tQtVideoFront()
{
    // A front kept for the whole program may go after Qt has: then nothing of Qt is touched.
    if (!QCoreApplication::instance()) {
        for (auto& [path, video] : videos) (void)video.player.release();
        return;
    }
    for (auto& [path, video] : videos) {
        video.player->stop();
        delete video.view.data();
    }
}

void tQtVideoFront::Open(const tVideoPlace& place)
{
    // Refused, rather than crashing the program in GStreamer.
    if (!gstreamerCanPlayVideo()) throw eLogoException(erInitVideo);
    RunOnWindowThread([this, place] {
        tVideo& video = videos[place.path];
        if (!video.player) {
            video.player = std::make_unique<QMediaPlayer>();
            video.player->setSource(QUrl::fromLocalFile(QString::fromStdString(place.path)));
        }
        if (!video.view) {
            video.view = new QVideoWidget(page);
            video.player->setVideoOutput(video.view.data());
        }
        video.view->setGeometry(place.left, place.top, place.width, place.height);
        video.view->show();
        video.view->raise();
        video.player->setPosition(0);
        video.player->play();
    });
}

bool tQtVideoFront::Close(const std::string& path)
{
    bool closed = false;
    RunOnWindowThread([this, &path, &closed] {
        auto found = videos.find(path);
        if (found == videos.end()) return;
        found->second.player->stop();
        delete found->second.view.data();
        videos.erase(found);
        closed = true;
    });
    return closed;
}

QVideoWidget* tQtVideoFront::ViewOf(const std::string& path) const
{
    auto found = videos.find(path);
    return found == videos.end() ? nullptr : found->second.view.data();
}
