// HostServices: what belongs to the real host behind one seam. The package
// and the host library reach dialogs, the message loop, pauses, the clock,
// the host's folder, the cipher and the document register only through the
// installed services. Each has a default; a real host or a test installs its
// own by deriving and overriding only what it needs.
#pragma once

#include "mdx00200/ansi_string.h"
#include "mdx00200/datetime.h"

namespace mdx {

class TClientDataSet;

// Message kinds of the host's dialog. The package uses 0 for printer replies,
// 1 for confirmations, 3 for failures and for the printer-not-responding
// question.
enum TTipoMsg { tmInformacao = 0, tmConfirmacao = 1, tmAviso = 2, tmErro = 3 };

struct DialogRequest {
  AnsiString text;
  AnsiString caption;
  AnsiString option1;  // "N" or "S" as the package passes them
  AnsiString option2;
  TTipoMsg kind = tmInformacao;
  AnsiString extraText;
  AnsiString scheme;   // the caller's colour scheme, passed through
  int number = 0;
  TClientDataSet* dataset = nullptr;
};

class HostServices {
 public:
  virtual ~HostServices();

  // The host's modal dialog; returns true when the user confirmed. The default
  // writes the text to standard error and answers false.
  virtual bool Dialog(const DialogRequest& request);
  // A plain message box. The default writes to standard error.
  virtual void ShowMessage(const AnsiString& text);
  // Lets the host's message loop run. The default does nothing.
  virtual void ProcessMessages();
  // A pause of count units. The default sleeps 100 ms a unit.
  virtual void Delay(int count);
  // The current local date-time. The default reads the system clock.
  virtual TDateTime Now();
  // The host executable's folder, with a trailing separator (short form on
  // Windows). The default is the running executable's folder.
  virtual AnsiString HostDirectory();
  // Where the drive of a Windows path (C:\Sweda) lies on a platform
  // without drives, with a trailing separator. The default is HostDirectory.
  // Not used on Windows, where drive paths stay as they are.
  virtual AnsiString DriveRoot();
  // The configuration-field cipher. The default is deterministic, printable,
  // never yields a quote character and round-trips every byte 1..255.
  virtual AnsiString Cripto(const AnsiString& text, int key);
  virtual AnsiString Uncripto(const AnsiString& text, int key);
  // The host's document register. The default records nothing.
  virtual void GravaCER(const AnsiString& a, const AnsiString& b, TDateTime when);
};

// The installed services (the defaults until a host installs its own).
HostServices& Host();
// Installs services (nullptr restores the defaults) and returns the previous
// ones. The caller keeps ownership. The runtime clock follows the services'
// Now from then on.
HostServices* InstallHostServices(HostServices* services);

}  // namespace mdx
