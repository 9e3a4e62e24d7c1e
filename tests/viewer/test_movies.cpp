#include "app/Globals.h"
#include "content/Catalogue.h"
#include "platform/TextControl.h"
#include "support/CourseBuilder.h"
#include "support/MainWindow.h"
#include "support/TestDoubles.h"
#include "ui/UiText.h"
#include "viewer/Form1.h"
#include "viewer/MediaPlayerControl.h"
#include "viewer/MovieObjects.h"

#include <QFile>
#include <QMediaPlayer>
#include <QPointer>
#include <QtTest>

using namespace qm;
using qmtest::CourseBuilder;

namespace {

QByteArray page(const QByteArray& objects)
{
    return "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0 Movie page\\par " + objects + "\\par}";
}

QByteArray object(const QByteArray& data) { return "{\\*\\qmobject\\objw2400\\objh1800 " + data + "}"; }

// One module of four pages: two movies, Flash and Director, an unknown
// object, and a plain page.
void buildCourse(CourseBuilder& b, bool mediaPlayerRegistered = true)
{
    b.module("MOV001", "Movies", CourseBuilder::pages(4, "Topic"));
    b.course("Course A", {"MOV001"});
    b.writeRegistry();
    QFile movie(QStringLiteral(QM_SAMPLE_SOURCE_DIR) + "/SAF103/Movies/Stretch.wmv");
    QVERIFY(movie.open(QIODevice::ReadOnly));
    b.writeFile("MOV001/Movies/Stretch.wmv", movie.readAll());
    b.writeFile("MOV001/0001.txm", page(object("STRETCH.WMV") + " and " + object("stretch.wmv,second")));
    b.writeFile("MOV001/0002.txm", page(object("Intro.SWF,loop") + object("Show.dcr")));
    b.writeFile("MOV001/0003.txm", page(object("notes.txt")));
    if (mediaPlayerRegistered) {
        QFile reg(b.path() + "/Registry.reg");
        QVERIFY(reg.open(QIODevice::Append));
        reg.write("\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes\\MediaPlayer.MediaPlayer\\CurVer]\r\n"
                  "@=\"MediaPlayer.MediaPlayer.1\"\r\n");
    }
}

using qmtest::OpenCourse;

} // namespace

class MoviesTest : public QObject {
    Q_OBJECT
private slots:
    void theDataStringChoosesThePlayer_data()
    {
        QTest::addColumn<QString>("data");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("file");
        QTest::newRow("flash, upper case, with items") << "Intro.SWF,loop" << int(MovieKind::Flash) << "Intro.SWF";
        QTest::newRow("swf anywhere wins") << "Clip.wmv,after intro.swf" << int(MovieKind::Flash) << "Clip.wmv";
        QTest::newRow("director") << "Show.DCR" << int(MovieKind::Director) << "Show.DCR";
        QTest::newRow("video, no comma") << "Clip.Wmv" << int(MovieKind::Video) << "Clip.Wmv";
        QTest::newRow("nothing known") << "notes.txt,x" << int(MovieKind::None) << "notes.txt";
    }

    void theDataStringChoosesThePlayer()
    {
        QFETCH(QString, data);
        QFETCH(int, kind);
        QFETCH(QString, file);
        QCOMPARE(int(MovieKindOf(data)), kind);
        QCOMPARE(MovieFileNameOf(data), file);
    }

    void twoMoviesPlayAndStopWhenThePageChanges()
    {
        CourseBuilder b;
        buildCourse(b);
        qmtest::TestEnvironment env(b.path());
        Form1& f = OpenCourse();
        const QList<MediaPlayerControl*> videos = f.Movies->videos();
        QCOMPARE(videos.size(), 2);
        QCOMPARE(f.Movies->frames().size(), 2);
        QVERIFY(videos[0]->parentWidget() != videos[1]->parentWidget());
        QCOMPARE(videos[0]->parentWidget()->objectName(), QString("ImageFrame"));
        QVERIFY(!LastTxObjectIdSet); // at 15 twips a pixel the page keeps its current object
        QVERIFY(env.box.calls.isEmpty());

        // The first plays to its end; the last picture stays.
        QMediaPlayer* first = videos[0]->player();
        QCOMPARE(first->playbackState(), QMediaPlayer::PlayingState);
        QTRY_COMPARE_WITH_TIMEOUT(first->mediaStatus(), QMediaPlayer::EndOfMedia, 15000);
        QVERIFY(first->error() == QMediaPlayer::NoError);

        // Moving on stops and removes every player and frame.
        QMediaPlayer* second = videos[1]->player();
        QPointer<QMediaPlayer> guard(second);
        bool stopped = second->playbackState() == QMediaPlayer::StoppedState;
        connect(second, &QMediaPlayer::playbackStateChanged, this,
                [&](QMediaPlayer::PlaybackState s) { stopped = stopped || s == QMediaPlayer::StoppedState; });
        f.NextPage();
        QVERIFY(stopped);
        QVERIFY(guard.isNull());
        QVERIFY(f.Movies->videos().isEmpty());

        // Players that do not exist here are reported, one message per object.
        QCOMPARE(env.box.calls.size(), 2);
        QCOMPARE(env.box.calls[0].text, GetResString(538));
        QCOMPARE(env.box.calls[1].text, GetResString(537));
        QCOMPARE(f.Movies->frames().size(), 2);
        QVERIFY(f.TXTextControl1->toPlainText().contains("Movie page"));

        f.NextPage(); // an object that is no movie: nothing
        QCOMPARE(env.box.calls.size(), 2);
        QVERIFY(f.Movies->videos().isEmpty());
        f.RemoveMovieControl();
        f.RemoveMovieControl(); // nothing left to remove
        QVERIFY(f.Movies->frames().isEmpty());
    }

    void withoutARegisteredMediaPlayerThePageShowsNoMovie()
    {
        CourseBuilder b;
        buildCourse(b, false);
        qmtest::TestEnvironment env(b.path());
        Form1& f = OpenCourse();
        QVERIFY(f.Movies->videos().isEmpty());
        QCOMPARE(f.Movies->frames().size(), 2);
        QVERIFY(env.box.calls.isEmpty());
    }
};

QTEST_MAIN(MoviesTest)
#include "test_movies.moc"
