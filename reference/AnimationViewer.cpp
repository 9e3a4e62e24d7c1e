#include "reference/AnimationViewer.h"
#include "content/ModuleLoader.h"
#include "platform/ContentPath.h"
#include "ui/Controls.h"
#include "ui/UiText.h"
#include "viewer/Form1.h"

#include <QFileInfo>
#include <QLabel>
#include <QMediaPlayer>
#include <QUrl>
#include <QVideoWidget>

namespace qm {

Animation_Viewer::Animation_Viewer() : SingleForm<Animation_Viewer>(QStringLiteral("Animation_Viewer"))
{
    setFixedSize(320, 200);
    Animation1 = Place(this, new QVideoWidget(this), QStringLiteral("Animation1"), QRect(80, 12, 160, 120));
    Label1 = Place(this, new QLabel(this), QStringLiteral("Label1"), QRect(10, 146, 300, 40));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(true);
}

void Animation_Viewer::LoadAnimatedGif(const QString& file, const QString& title, const QString& message)
{
    setWindowTitle(title);
    Label1->setText(message);
    if (!QFileInfo(file).isFile()) {
        Animation1->hide();
        return;
    }
    player_ = new QMediaPlayer(this);
    player_->setVideoOutput(Animation1);
    player_->setLoops(QMediaPlayer::Infinite);
    player_->setSource(QUrl::fromLocalFile(file));
    player_->play();
}

bool Animation_Viewer::playing() const { return player_ && player_->playbackState() == QMediaPlayer::PlayingState; }

void Animation_Viewer::CloseAnimatedGif()
{
    if (player_) {
        player_->stop();
        player_->setSource(QUrl());
    }
    unload();
}

void ShowPrintingAnimation()
{
    Animation_Viewer& viewer = Animation_Viewer::instance();
    viewer.showModeless(Form1::ifLoaded());
    const QString file = ResolveContentPath(JoinPath(ContentRoot(), QStringLiteral("GUIimages/transmit.avi")));
    viewer.LoadAnimatedGif(file, GetResString(160), GetResString(158));
}

} // namespace qm
