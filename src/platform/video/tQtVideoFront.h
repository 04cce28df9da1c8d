#pragma once

#include <map>
#include <memory>
#include <string>

#include <QPointer>

#include "media/videoFront.h"

class QMediaPlayer;
class QVideoWidget;
class QWidget;

// Videos shown over the environment's page view with Qt Multimedia, one per file: a video
// widget at the place the program gave, playing the file from its start. Lives in the window
// module; the calls come from processes and are handed to the window thread.
class tQtVideoFront : public tVideoFront {
public:
    explicit tQtVideoFront(QWidget* page);
    ~tQtVideoFront() override;

    void Open(const tVideoPlace& place) override;
    bool Close(const std::string& path) override;

    // The view showing the file, for tests; none when no video shows it.
    QVideoWidget* ViewOf(const std::string& path) const;

private:
    struct tVideo {
        QPointer<QVideoWidget> view;
        std::unique_ptr<QMediaPlayer> player;
    };

    QPointer<QWidget> page;
    std::map<std::string, tVideo> videos;
};
