#include "platform/local_address.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netdb.h>
#include <netinet/in.h>
#include <unistd.h>

namespace {

std::string FirstInterfaceAddress() {
  ifaddrs* list = nullptr;
  if (::getifaddrs(&list) != 0) return {};
  std::string result;
  for (const ifaddrs* entry = list; entry && result.empty(); entry = entry->ifa_next) {
    if (!entry->ifa_addr || entry->ifa_addr->sa_family != AF_INET) continue;
    if (!(entry->ifa_flags & IFF_UP) || (entry->ifa_flags & IFF_LOOPBACK)) continue;
    const in_addr address = reinterpret_cast<const sockaddr_in*>(entry->ifa_addr)->sin_addr;
    char text[INET_ADDRSTRLEN] = {};
    if (::inet_ntop(AF_INET, &address, text, sizeof text)) result = text;
  }
  ::freeifaddrs(list);
  return result;
}

std::string FirstHostNameAddress() {
  char name[128] = {};
  if (::gethostname(name, sizeof name - 1) != 0) return {};
  addrinfo hints{};
  hints.ai_family = AF_INET;
  addrinfo* found = nullptr;
  if (::getaddrinfo(name, nullptr, &hints, &found) != 0 || !found) return {};
  char text[INET_ADDRSTRLEN] = {};
  const in_addr address = reinterpret_cast<const sockaddr_in*>(found->ai_addr)->sin_addr;
  std::string result = ::inet_ntop(AF_INET, &address, text, sizeof text) ? text : "";
  ::freeaddrinfo(found);
  return result;
}

}  // namespace

std::string GetLocalAddress() {
  // The host name usually resolves to 127.0.1.1 here, which no other machine can reach, so
  // an interface's own address comes first.
  std::string address = FirstInterfaceAddress();
  return address.empty() ? FirstHostNameAddress() : address;
}
