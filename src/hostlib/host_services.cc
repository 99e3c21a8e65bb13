// The default host services and the installed-services pointer. The runtime
// clock (mdx::Now/Date/Time) is routed to Host().Now() while services are
// installed, so a fixed test clock reaches the runtime too.
#include "mdx00200/host_services.h"

#include <climits>
#include <cstdint>
#include <cstdio>

#include "hostlib/default_cipher.h"
#include "mdx00200/platform.h"

namespace mdx {

namespace {

HostServices& Defaults() {
  static HostServices defaults;
  return defaults;
}

HostServices* g_installed = nullptr;
ClockFunction g_clockBeforeInstall = nullptr;

TDateTime InstalledClock() { return Host().Now(); }

}  // namespace

HostServices::~HostServices() = default;

bool HostServices::Dialog(const DialogRequest& request) {
  std::fprintf(stderr, "%s\n", request.text.c_str());
  return false;
}

void HostServices::ShowMessage(const AnsiString& text) { std::fprintf(stderr, "%s\n", text.c_str()); }

void HostServices::ProcessMessages() {}

void HostServices::Delay(int count) {
  if (count <= 0) return;
  uint64_t ms = static_cast<uint64_t>(count) * 100u;
  if (ms > UINT_MAX) ms = UINT_MAX;
  platform::Sleep(static_cast<unsigned>(ms));
}

TDateTime HostServices::Now() { return SystemNow(); }

AnsiString HostServices::HostDirectory() { return platform::ExecutableDirectory(); }

AnsiString HostServices::DriveRoot() { return HostDirectory(); }

AnsiString HostServices::Cripto(const AnsiString& text, int key) { return hostlib::DefaultCripto(text, key); }

AnsiString HostServices::Uncripto(const AnsiString& text, int key) {
  return hostlib::DefaultUncripto(text, key);
}

void HostServices::GravaCER(const AnsiString&, const AnsiString&, TDateTime) {}

HostServices& Host() { return g_installed ? *g_installed : Defaults(); }

HostServices* InstallHostServices(HostServices* services) {
  HostServices* previous = g_installed;
  if (services && !previous) {
    g_clockBeforeInstall = SetClock(&InstalledClock);
  } else if (!services && previous) {
    SetClock(g_clockBeforeInstall ? g_clockBeforeInstall : &SystemNow);
    g_clockBeforeInstall = nullptr;
  }
  g_installed = services;
  return previous;
}

}  // namespace mdx
