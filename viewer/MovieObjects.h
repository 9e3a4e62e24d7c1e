#pragma once
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

namespace qm {

class MediaPlayerControl;
class TextControl;

// Which player a page object's data string asks for: the first of ".swf",
// ".dcr" and ".wmv" found anywhere in it, without regard to case.
enum class MovieKind { None, Flash, Director, Video };
MovieKind MovieKindOf(const QString& data);
// The movie file name: the data string up to its first ",".
QString MovieFileNameOf(const QString& data);
// The movie's path in the current module's "Movies" folder; empty when the
// name cannot be a plain file name.
QString MovieFilePath(const QString& fileName);

// The movies of the page on view. The page view asks for a frame for each
// object and then reports its data; each object gets its own frame and
// player, so several movies can share a page. Before the page changes every
// player is stopped and removed together with its frame.
class MovieObjects : public QObject {
    Q_OBJECT
public:
    MovieObjects(TextControl* view, QWidget* window);
    ~MovieObjects() override;

    void ObjectWindowRequest(int number, QWidget** host);
    void ObjectLoad(int number, const QString& data);
    void RemoveMovieControl();

    QList<QWidget*> frames() const;
    QList<MediaPlayerControl*> videos() const;
    // The name of the movie being inserted (empty between objects).
    QString movieFileName() const { return movieFileName_; }

private:
    void InsertFlashMovie();
    void InsertDirectorMovie();
    void InsertVideo(QWidget* frame);

    TextControl* view_;
    QWidget* window_;
    QList<QPointer<QWidget>> frames_;
    QList<QPointer<MediaPlayerControl>> videos_;
    QPointer<QWidget> currentFrame_;
    int currentNumber_ = 0;
    QString movieFileName_;
};

} // namespace qm
