#pragma once

#include <string>

// The first IPv4 address, in dotted decimal, of a network interface that is up and is not
// the loopback; failing that the first address the host name resolves to; else empty.
std::string GetLocalAddress();
