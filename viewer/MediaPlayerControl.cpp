#include "viewer/MediaPlayerControl.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QUrl>
#include <QVBoxLayout>
#include <QVideoWidget>

namespace qm {

MediaPlayerControl::MediaPlayerControl(const QString& path, QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    video_ = new QVideoWidget(this);
    layout->addWidget(video_);
    player_ = new QMediaPlayer(this);
    player_->setVideoOutput(video_);
    // Without a sound device the movie plays silently.
    if (!QMediaDevices::audioOutputs().isEmpty()) {
        audio_ = new QAudioOutput(this);
        player_->setAudioOutput(audio_);
    }
    player_->setSource(QUrl::fromLocalFile(path));
    player_->play();
}

MediaPlayerControl::~MediaPlayerControl() { stop(); }

void MediaPlayerControl::stop()
{
    if (player_) player_->stop();
}

} // namespace qm
