// A server that takes connections and never says anything: it listens on 127.0.0.1,
// prints its port, and lets the kernel complete every connection without ever reading.
// It runs as a process of its own, as a real silent server would, and ends after two
// minutes at the latest.
#include <QCoreApplication>
#include <QTcpServer>
#include <QThread>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTcpServer server;
    if (!server.listen(QHostAddress::LocalHost))
        return 1;
    std::printf("%d\n", server.serverPort());
    std::fflush(stdout);
    QThread::sleep(120);
    return 0;
}
