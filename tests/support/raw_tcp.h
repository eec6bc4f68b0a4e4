#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <string>
#include <string_view>

// A bare loopback TCP socket for talking to the session the way a stranger would: garbage,
// cut frames, a port scanner, a listener that never answers.
class TRawTcp {
public:
  TRawTcp() = default;
  TRawTcp(const TRawTcp&) = delete;
  TRawTcp& operator=(const TRawTcp&) = delete;
  ~TRawTcp() { Close(); }

  bool Connect(std::uint16_t port) {
    FSocket = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = Loopback(port);
    return FSocket >= 0 && ::connect(FSocket, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  }

  // Listens on a free loopback port and never accepts; returns the port (0 on failure).
  std::uint16_t Listen() {
    const std::uint16_t port = Bind();
    return port != 0 && ::listen(FSocket, 4) == 0 ? port : 0;
  }

  // A loopback port nobody listens on: taken, then given back (0 on failure).
  static std::uint16_t ClosedPort() {
    TRawTcp taken;
    return taken.Bind();
  }

  bool Send(std::string_view bytes) {
    return ::send(FSocket, bytes.data(), bytes.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(bytes.size());
  }

  // Whether the other end has closed the connection; what it sent is kept in Heard.
  bool PeerClosed() {
    char buffer[512];
    for (;;) {
      const ssize_t got = ::recv(FSocket, buffer, sizeof buffer, MSG_DONTWAIT);
      if (got > 0) {
        Heard.append(buffer, static_cast<std::size_t>(got));
        continue;
      }
      return got == 0 || (errno != EAGAIN && errno != EWOULDBLOCK);
    }
  }

  void Close() {
    if (FSocket >= 0) ::close(FSocket);
    FSocket = -1;
  }

  std::string Heard;

private:
  // Binds to a free loopback port; returns it (0 on failure).
  std::uint16_t Bind() {
    FSocket = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = Loopback(0);
    socklen_t size = sizeof address;
    if (FSocket < 0 || ::bind(FSocket, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
        ::getsockname(FSocket, reinterpret_cast<sockaddr*>(&address), &size) != 0)
      return 0;
    return ntohs(address.sin_port);
  }

  static sockaddr_in Loopback(std::uint16_t port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
  }

  int FSocket = -1;
};
