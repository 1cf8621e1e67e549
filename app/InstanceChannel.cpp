#include "InstanceChannel.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <utility>

namespace instancechannel {

namespace {

// One request is a word and at most one short argument: "daily 2027-01-15".
constexpr qint64 LongestRequest = 64;
constexpr int AnswerWithin = 5000; // ms: a busy copy still answers in time

QLocalServer *server = nullptr;
std::function<void(const QString &)> handler;
QStringList waiting; // taken before anything could handle them

void Take(const QString &request) {
    BringForward();
    if (handler)
        handler(request);
    else
        waiting << request;
}

void Serve(QLocalSocket *socket) {
    // A caller that says nothing, or too much, is let go.
    QTimer::singleShot(AnswerWithin, socket, [socket] { socket->abort(); });
    QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    QObject::connect(socket, &QLocalSocket::readyRead, socket, [socket] {
        if (!socket->canReadLine()) {
            if (socket->bytesAvailable() > LongestRequest) socket->abort();
            return;
        }
        const QString request = QString::fromUtf8(socket->readLine(LongestRequest + 1)).trimmed();
        if (!Carries(request)) {
            socket->abort();
            return;
        }
        socket->write("ok\n");
        socket->flush();
        socket->disconnectFromServer();
        // Once the caller has its answer: what the request opens may take a while.
        QTimer::singleShot(0, qApp, [request] { Take(request); });
    });
}

} // namespace

QString Path(const QString &listFolder) {
    const QFileInfo folder(listFolder);
    const QString name = folder.canonicalFilePath().isEmpty() ? folder.absoluteFilePath()
                                                              : folder.canonicalFilePath();
    const QByteArray hash = QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha1);
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty()) dir = QDir::tempPath();
    return QDir(dir).filePath(
        QStringLiteral("cipherly-%1.socket").arg(QString::fromLatin1(hash.toHex().left(16))));
}

bool Listen(const QString &listFolder) {
    Close();
    server = new QLocalServer(qApp);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    const QString path = Path(listFolder);
    // The lock is held: a socket left at this name is one a copy that ended
    // left behind.
    QLocalServer::removeServer(path);
    if (!server->listen(path)) {
        Close();
        return false;
    }
    QObject::connect(server, &QLocalServer::newConnection, server, [] {
        while (QLocalSocket *socket = server->nextPendingConnection())
            Serve(socket);
    });
    return true;
}

void Close() {
    if (!server) return;
    server->close();
    delete server;
    server = nullptr;
}

void SetHandler(std::function<void(const QString &)> take) {
    handler = std::move(take);
    if (!handler) return;
    const QStringList requests = std::exchange(waiting, {});
    for (const QString &request : requests)
        handler(request);
}

bool Carries(const QString &request) {
    static const QRegularExpression form(QStringLiteral("^[a-z]{1,16}( [0-9A-Za-z-]{1,32})?$"));
    return request.size() <= LongestRequest && form.match(request).hasMatch();
}

bool Hand(const QString &listFolder, const QString &request) {
    if (!Carries(request)) return false;
    QLocalSocket socket;
    socket.connectToServer(Path(listFolder));
    if (!socket.waitForConnected(AnswerWithin)) return false;
    socket.write(request.toUtf8() + '\n');
    if (!socket.waitForBytesWritten(AnswerWithin)) return false;
    QByteArray answer;
    while (!answer.contains('\n') && answer.size() < 8) {
        if (!socket.bytesAvailable() && !socket.waitForReadyRead(AnswerWithin)) break;
        answer += socket.read(8 - answer.size());
    }
    return answer == "ok\n";
}

void BringForward() {
    QWidget *window = QApplication::activeModalWidget();
    if (!window) window = QApplication::activeWindow();
    if (!window)
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->isVisible() && w->windowType() != Qt::ToolTip && w->windowType() != Qt::Popup)
                window = w;
    if (!window) return;
    if (window->isMinimized()) window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->raise();
    window->activateWindow();
    // Where the desktop keeps the focus from a program that was not clicked,
    // the task bar at least shows that the game asks for the player.
    QApplication::alert(window);
}

} // namespace instancechannel
