#pragma once

#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/match_network.h"

class FakeNetwork;

// A local network in the test's hands: the networks on it reach each other by address
// and port, and nothing arrives until the test calls Deliver, so a window's reaction to
// each byte can be looked at in between.
class FakeLan {
 public:
  // Every event in flight happens, in order, those they cause included.
  void Deliver() {
    while (!events_.empty()) {
      std::function<void()> event = std::move(events_.front());
      events_.pop_front();
      event();
    }
  }

  std::vector<std::string> broadcasts;  // every datagram announced on the network

 private:
  friend class FakeNetwork;
  struct End {
    FakeNetwork* network;
    int peer;
  };
  std::deque<std::function<void()>> events_;
  std::set<FakeNetwork*> networks_;
  std::map<std::pair<std::string, uint16_t>, FakeNetwork*> listening_;
  std::map<int, End> ends_;  // every open connection end, both sides numbered apart
  int nextEnd_ = 1;
};

class FakeNetwork : public MatchNetwork {
 public:
  FakeNetwork(FakeLan& lan, std::string address) : lan_(lan), address_(std::move(address)) {
    lan_.networks_.insert(this);
  }
  ~FakeNetwork() override {
    StopListening();
    std::vector<int> mine;
    for (const auto& [end, link] : lan_.ends_)
      if (link.network == this) mine.push_back(end);
    for (const int end : mine) Close(end);
    lan_.networks_.erase(this);
  }

  void SetEvents(Events events) override { events_ = std::move(events); }

  uint16_t Listen(uint16_t port) override {
    while (lan_.listening_.contains({address_, port})) ++port;
    lan_.listening_[{address_, port}] = this;
    listeningOn = port;
    return port;
  }
  void StopListening() override {
    if (listeningOn != 0) lan_.listening_.erase({address_, listeningOn});
    listeningOn = 0;
  }

  int Connect(const std::string& address, uint16_t port) override {
    const int end = lan_.nextEnd_++;
    Later([this, lan = &lan_, end, address, port] {
      if (!lan->networks_.contains(this)) return;
      const auto found = lan_.listening_.find({address, port});
      if (found == lan_.listening_.end()) {
        events_.Closed(end);
        return;
      }
      FakeNetwork* host = found->second;
      const int hostEnd = lan_.nextEnd_++;
      lan_.ends_[end] = {this, hostEnd};
      lan_.ends_[hostEnd] = {host, end};
      host->events_.Accepted(hostEnd);
      events_.Connected(end);
    });
    return end;
  }

  void Send(int connection, std::string bytes) override {
    const auto found = lan_.ends_.find(connection);
    if (found == lan_.ends_.end() || found->second.network != this) return;
    const int peer = found->second.peer;
    sent.push_back(bytes);
    Later([lan = &lan_, peer, bytes] {
      const auto link = lan->ends_.find(peer);
      if (link != lan->ends_.end() && lan->networks_.contains(link->second.network))
        link->second.network->events_.Received(peer, bytes);
    });
  }

  void Close(int connection) override {
    const auto found = lan_.ends_.find(connection);
    if (found == lan_.ends_.end() || found->second.network != this) return;
    const int peer = found->second.peer;
    lan_.ends_.erase(found);
    Later([lan = &lan_, peer] {
      const auto link = lan->ends_.find(peer);
      if (link == lan->ends_.end()) return;
      FakeNetwork* other = link->second.network;
      lan->ends_.erase(link);
      if (lan->networks_.contains(other)) other->events_.Closed(peer);
    });
  }

  void Broadcast(std::string datagram) override {
    lan_.broadcasts.push_back(datagram);
    for (FakeNetwork* network : lan_.networks_)
      if (network->hearing_)
        Later([lan = &lan_, network, address = address_, datagram] {
          if (lan->networks_.contains(network)) network->events_.Heard(address, datagram);
        });
  }

  bool HearAnnouncements() override {
    hearing_ = true;
    return true;
  }
  std::vector<std::string> LocalAddresses() override { return {address_}; }

  uint16_t listeningOn = 0;
  std::vector<std::string> sent;  // every message sent on any connection

 private:
  // Runs when the test delivers; what was sent arrives also when the sender is gone by
  // then, as it would from a socket closed after sending.
  void Later(std::function<void()> event) { lan_.events_.push_back(std::move(event)); }

  FakeLan& lan_;
  std::string address_;
  Events events_;
  bool hearing_ = false;
};
