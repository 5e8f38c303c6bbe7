// The network module: the match's connections and announcements on Qt Network, which
// the game itself does not link.

#include <QHostAddress>
#include <QNetworkDatagram>
#include <QNetworkInterface>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUdpSocket>
#include <map>

#include "match/match_messages.h"
#include "platform/match_network.h"
#include "platform/plugin_modules.h"

namespace {

// What Qt holds of a connection's bytes before the game has read them: the kernel keeps
// the rest, so a peer sending without end slows itself down instead of filling memory.
constexpr qint64 kReadBufferBytes = 2 * kMaxMessageBytes;
// A closed connection whose peer never takes the last bytes is cut off after this long.
constexpr int kLingerMs = 5000;

class QtMatchNetwork : public MatchNetwork {
 public:
  QtMatchNetwork() {
    QObject::connect(&server_, &QTcpServer::newConnection, [this] { AcceptAll(); });
    QObject::connect(&listener_, &QUdpSocket::readyRead, [this] { ReadAnnouncements(); });
  }

  // The sockets go with owner_, without telling anyone.
  ~QtMatchNetwork() override {
    for (QTcpSocket* socket : owner_.findChildren<QTcpSocket*>()) socket->disconnect();
  }

  void SetEvents(Events events) override { events_ = std::move(events); }

  uint16_t Listen(uint16_t port) override {
    if (!server_.isListening() && !server_.listen(QHostAddress::Any, port))
      server_.listen(QHostAddress::Any, 0);
    return server_.isListening() ? server_.serverPort() : 0;
  }

  void StopListening() override { server_.close(); }

  int Connect(const std::string& address, uint16_t port) override {
    auto* socket = new QTcpSocket(&owner_);
    const int number = Add(socket);
    QObject::connect(socket, &QTcpSocket::connected, socket, [this, number] {
      if (events_.Connected) events_.Connected(number);
    });
    socket->connectToHost(QString::fromStdString(address), port);
    return number;
  }

  void Send(int connection, std::string bytes) override {
    const auto found = sockets_.find(connection);
    if (found != sockets_.end())
      found->second->write(bytes.data(), static_cast<qint64>(bytes.size()));
  }

  void Close(int connection) override {
    const auto found = sockets_.find(connection);
    if (found == sockets_.end()) return;
    QTcpSocket* socket = found->second;
    sockets_.erase(found);
    socket->disconnect();
    QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    QTimer::singleShot(kLingerMs, socket, [socket] {
      socket->abort();
      socket->deleteLater();
    });
    socket->disconnectFromHost();
  }

  void Broadcast(std::string datagram) override {
    const QByteArray bytes(datagram.data(), static_cast<qsizetype>(datagram.size()));
    announcer_.writeDatagram(bytes, QHostAddress::Broadcast, kMatchPort);
    // The general broadcast leaves by one interface only; each network is told as well.
    for (const QNetworkInterface& face : QNetworkInterface::allInterfaces()) {
      if (!(face.flags() & QNetworkInterface::IsUp) ||
          !(face.flags() & QNetworkInterface::CanBroadcast))
        continue;
      for (const QNetworkAddressEntry& entry : face.addressEntries())
        if (!entry.broadcast().isNull())
          announcer_.writeDatagram(bytes, entry.broadcast(), kMatchPort);
    }
  }

  bool HearAnnouncements() override {
    if (listener_.state() == QAbstractSocket::BoundState) return true;
    // Two copies of the game on one machine may both be looking for matches.
    return listener_.bind(QHostAddress::AnyIPv4, kMatchPort,
                          QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint);
  }

  std::vector<std::string> LocalAddresses() override {
    std::vector<std::string> addresses;
    for (const QHostAddress& address : QNetworkInterface::allAddresses())
      if (address.protocol() == QAbstractSocket::IPv4Protocol && !address.isLoopback())
        addresses.push_back(address.toString().toStdString());
    if (addresses.empty()) addresses.push_back("127.0.0.1");
    return addresses;
  }

 private:
  int Add(QTcpSocket* socket) {
    const int number = next_++;
    sockets_[number] = socket;
    socket->setReadBufferSize(kReadBufferBytes);
    QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, number] { Read(number); });
    // A refused or failed connection reports an error and may never say "disconnected".
    QObject::connect(socket, &QTcpSocket::disconnected, socket, [this, number] { Lost(number); });
    QObject::connect(socket, &QTcpSocket::errorOccurred, socket, [this, number] { Lost(number); });
    return number;
  }

  void AcceptAll() {
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
      socket->setParent(&owner_);
      const int number = Add(socket);
      if (events_.Accepted) events_.Accepted(number);
    }
  }

  void Read(int number) {
    // The game may close the connection while it takes these bytes.
    while (sockets_.contains(number) && sockets_[number]->bytesAvailable() > 0) {
      const QByteArray bytes = sockets_[number]->read(kMaxMessageBytes);
      if (events_.Received) events_.Received(number, std::string_view(bytes.data(), bytes.size()));
    }
  }

  void Lost(int number) {
    const auto found = sockets_.find(number);
    if (found == sockets_.end()) return;
    QTcpSocket* socket = found->second;
    sockets_.erase(found);
    socket->disconnect();
    socket->deleteLater();
    if (events_.Closed) events_.Closed(number);
  }

  void ReadAnnouncements() {
    while (listener_.hasPendingDatagrams()) {
      const QNetworkDatagram datagram = listener_.receiveDatagram(kMaxMessageBytes);
      const QByteArray bytes = datagram.data();
      if (events_.Heard)
        events_.Heard(datagram.senderAddress().toString().toStdString(),
                      std::string_view(bytes.data(), bytes.size()));
    }
  }

  QObject owner_;  // of every socket, those closing included; first made, last gone
  Events events_;
  QTcpServer server_;
  QUdpSocket announcer_;
  QUdpSocket listener_;
  std::map<int, QTcpSocket*> sockets_;
  int next_ = 1;
};

}  // namespace

extern "C" Q_DECL_EXPORT MatchNetwork* TolvaneCreateNetwork() { return new QtMatchNetwork; }
