#pragma once
#include <QWidget>

class QAudioOutput;
class QMediaPlayer;
class QVideoWidget;

namespace qm {

// The media player of a page: plays one movie file in its own area, starting
// by itself as soon as it is created, once, without controls of its own; the
// last picture stays when the movie has ended. Sound goes to the machine's
// audio output when it has one.
class MediaPlayerControl : public QWidget {
    Q_OBJECT
public:
    explicit MediaPlayerControl(const QString& path, QWidget* parent = nullptr);
    ~MediaPlayerControl() override;

    QMediaPlayer* player() const { return player_; }
    QVideoWidget* video() const { return video_; }
    void stop();

private:
    QMediaPlayer* player_ = nullptr;
    QVideoWidget* video_ = nullptr;
    QAudioOutput* audio_ = nullptr;
};

} // namespace qm
