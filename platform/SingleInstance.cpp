#include "platform/SingleInstance.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QWidget>

namespace qm {

QString SingleInstance::DefaultKey()
{
    const QByteArray user = qgetenv("USER");
    const QByteArray h = QCryptographicHash::hash(QDir::homePath().toUtf8() + user, QCryptographicHash::Sha1).toHex();
    return QStringLiteral("quillmark-") + QString::fromLatin1(h.left(12));
}

SingleInstance::SingleInstance(const QString& key) : key_(key) {}

SingleInstance::~SingleInstance()
{
    if (server_) server_->close();
}

SingleInstance::Other SingleInstance::claim()
{
    lock_ = std::make_unique<QLockFile>(QDir::tempPath() + '/' + key_ + QStringLiteral(".lock"));
    // A lock whose owner process is gone counts as stale and is taken over.
    lock_->setStaleLockTime(0);
    if (!lock_->tryLock(0)) {
        lock_.reset();
        QLocalSocket probe;
        probe.connectToServer(key_);
        const bool answered = probe.waitForConnected(500);
        probe.abort();
        return answered ? Other::WindowFound : Other::PreviousInstanceOnly;
    }
    server_ = std::make_unique<QLocalServer>();
    QLocalServer::removeServer(key_);
    server_->listen(key_);
    connect(server_.get(), &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* s = server_->nextPendingConnection()) {
            connect(s, &QLocalSocket::readyRead, this, [this, s] {
                if (s->readAll().contains("raise") && onActivateRequest) onActivateRequest();
                s->disconnectFromServer();
            });
            connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
        }
    });
    return Other::None;
}

bool SingleInstance::activateRunningCopy(Other how)
{
    // The copy that only holds the lock may need a moment to open its socket.
    const int wait = how == Other::WindowFound ? 500 : 2000;
    QLocalSocket s;
    s.connectToServer(key_);
    if (!s.waitForConnected(wait)) return false;
    s.write("raise\n");
    s.waitForBytesWritten(500);
    s.disconnectFromServer();
    return true;
}

void RaiseProgramWindows()
{
    QWidget* target = QApplication::activeWindow();
    if (!target) {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->isVisible() && w->windowTitle() == QStringLiteral("Veltrane Quillmark 1.0 [Run]")) {
                target = w;
                break;
            }
        }
    }
    if (!target) return;
    if (target->isMinimized()) target->showNormal();
    target->raise();
    target->activateWindow();
}

} // namespace qm
