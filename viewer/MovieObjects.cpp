#include "viewer/MovieObjects.h"
#include "app/Globals.h"
#include "content/ModuleLoader.h"
#include "content/PlayerVersions.h"
#include "platform/ContentName.h"
#include "platform/ContentPath.h"
#include "platform/MessageBox.h"
#include "platform/ScreenMetrics.h"
#include "platform/TextControl.h"
#include "ui/UiText.h"
#include "ui/VbColor.h"
#include "viewer/MediaPlayerControl.h"

#include <QVBoxLayout>

namespace qm {

MovieKind MovieKindOf(const QString& data)
{
    if (data.contains(QLatin1String(".swf"), Qt::CaseInsensitive)) return MovieKind::Flash;
    if (data.contains(QLatin1String(".dcr"), Qt::CaseInsensitive)) return MovieKind::Director;
    if (data.contains(QLatin1String(".wmv"), Qt::CaseInsensitive)) return MovieKind::Video;
    return MovieKind::None;
}

QString MovieFileNameOf(const QString& data)
{
    const qsizetype comma = data.indexOf(QLatin1Char(','));
    return comma < 0 ? data : data.left(comma);
}

QString MovieFilePath(const QString& fileName)
{
    if (!HasCurrentModule()) return QString();
    const QString code = CurrentModule().Code;
    if (!IsPlainContentName(code)) return QString();
    const QString folder = JoinPath(JoinPath(ContentRoot(), code), QStringLiteral("Movies"));
    const QString path = ContentPathInside(folder, fileName);
    return path.isEmpty() ? QString() : ResolveContentPath(path);
}

MovieObjects::MovieObjects(TextControl* view, QWidget* window) : QObject(window), view_(view), window_(window) {}

MovieObjects::~MovieObjects() { RemoveMovieControl(); }

void MovieObjects::ObjectWindowRequest(int number, QWidget** host)
{
    auto* frame = new QWidget(window_);
    frame->setObjectName(QStringLiteral("ImageFrame"));
    frame->setProperty("index", number);
    frame->setAutoFillBackground(true);
    QPalette pal = frame->palette();
    pal.setColor(QPalette::Window, VbColor(kWhite));
    frame->setPalette(pal);
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(0, 0, 0, 0);
    frame->hide();
    frames_.append(frame);
    currentFrame_ = frame;
    currentNumber_ = number;
    if (host) *host = frame;
    movieFileName_.clear();
}

void MovieObjects::ObjectLoad(int number, const QString& data)
{
    movieFileName_ = MovieFileNameOf(data);
    // With large fonts the object becomes the view's current one.
    if (Screen().twipsPerPixelX != 15 && (!LastTxObjectIdSet || LastTxObjectId != number)) {
        view_->setCurrentObject(number);
        LastTxObjectId = number;
        LastTxObjectIdSet = true;
    }
    QWidget* frame = currentNumber_ == number ? currentFrame_.data() : nullptr;
    switch (MovieKindOf(data)) {
    case MovieKind::Flash: InsertFlashMovie(); break;
    case MovieKind::Director: InsertDirectorMovie(); break;
    case MovieKind::Video: InsertVideo(frame); break;
    case MovieKind::None: break;
    }
}

// No Flash or Shockwave player exists on this system: whatever class the
// registry names, such a movie cannot be shown, and the learner is told why.
void MovieObjects::InsertFlashMovie()
{
    QString version;
    GetFlashVersion(version);
    MsgBox(GetResString(538));
}

void MovieObjects::InsertDirectorMovie()
{
    QString version;
    GetShockwaveVersion(version);
    MsgBox(GetResString(537));
}

void MovieObjects::InsertVideo(QWidget* frame)
{
    QString version;
    GetMediaPlayerVersion(version);
    // Without a registered player, or without a frame, the page shows no movie.
    if (version.isEmpty() || !frame) return;
    const QString path = MovieFilePath(movieFileName_);
    if (path.isEmpty()) return;
    auto* player = new MediaPlayerControl(path, frame);
    player->setObjectName(QStringLiteral("ShockwaveCtl1"));
    frame->layout()->addWidget(player);
    player->show();
    videos_.append(player);
}

void MovieObjects::RemoveMovieControl()
{
    for (const QPointer<MediaPlayerControl>& video : videos_) {
        if (!video) continue;
        video->stop();
        delete video.data();
    }
    videos_.clear();
    for (const QPointer<QWidget>& frame : frames_) delete frame.data();
    frames_.clear();
    currentFrame_.clear();
    currentNumber_ = 0;
}

QList<QWidget*> MovieObjects::frames() const
{
    QList<QWidget*> out;
    for (const QPointer<QWidget>& f : frames_)
        if (f) out.append(f);
    return out;
}

QList<MediaPlayerControl*> MovieObjects::videos() const
{
    QList<MediaPlayerControl*> out;
    for (const QPointer<MediaPlayerControl>& v : videos_)
        if (v) out.append(v);
    return out;
}

} // namespace qm
