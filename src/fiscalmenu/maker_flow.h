// What the fiscal-file generators share: the caller's values that take the
// printer back afterwards, handing the port to the maker's fiscal-file
// library (close, detect, capture), the messages of the library's codes and
// the folders the files go to.
#pragma once

#include <array>
#include <initializer_list>

#include "mdx00200/host_services.h"
#include "mdx00200/mdx00200.h"

namespace Mdx00200::fiscalfiles {

// The caller's session values, put back with ReopenSession.
struct SessionValues {
  AnsiString branch;       // CDFILIAL
  AnsiString till;         // CDCAIXA
  AnsiString serial;       // NRSERIEIMP and SERIEIMP
  AnsiString scheme;       // ESQUEMA, also the scheme of every message
  AnsiString port;         // CDPORTAIMPFIS
  AnsiString printerDate;  // DATAATUIMP
  AnsiString printerDay;   // DATAIMP (DATAATUIMP's value but in the sales files)
  AnsiString ecf;          // ECFIMP
  AnsiString reduction;    // REDIMP
};

// The record for StartImpFiscal: CDFILIAL, CDCAIXA, NRSERIEIMP, ESQUEMA,
// CDPORTAIMPFIS, then BOUTILTAA with the till's current kind (NOT
// boNUtilTaa), so the restart keeps it and has nothing to complain about.
Variant SessionRecord(const SessionValues& values);
// The record for Carrega_Dados_Impressora: ESQUEMA, DATAATUIMP, ECFIMP,
// REDIMP, SERIEIMP, DATAIMP.
Variant PrinterDataRecord(const SessionValues& values);
// Takes the port back: StartImpFiscal with the session record, then
// Carrega_Dados_Impressora with the printer-data record (whatever the
// first's outcome). True when the session started again; otherwise the
// failure is logged and shown (kind 3), and the port stays closed for the
// host to open.
bool ReopenSession(const SessionValues& values);

// Element `index` of a positional list as text. Raises mdx::Exception when
// the list is shorter, mdx::EVariantError when the element is no text.
AnsiString ElementText(const Variant* params, int highIndex, int index);
// Reads elements 0, 1, ... into the targets in order; the first element that
// cannot be read ends the reading, and the targets after it keep their
// values (the guarded reading of the generators).
void ReadElementsGuarded(const Variant* params, int highIndex,
                         std::initializer_list<AnsiString*> targets);

// FechaPorta: true when the serial library closed the port.
bool ClosePort();

// Detection attempts on port 0 before a generator gives up.
constexpr int kDetectAttempts = 12;
// The maker's detection on `port`; true when a printer answered.
bool DetectOn(int port);
// Up to kDetectAttempts detections on port 0, Consiste::Delay(pause) after
// each miss.
bool DetectOnPortZero(int pause);

// The two memory captures: zero-filled 512-byte buffers where the library
// leaves its capture texts, handed on unchanged to the reproduction call.
class Captures {
 public:
  static constexpr int kSize = 512;
  // Captures kind 1 or 2 into its buffer (17408, the buffer, 512, 15000, 0,
  // 0) and returns the library's code.
  short Capture(int kind);
  const char* First() const { return first_.data(); }
  const char* Second() const { return second_.data(); }

 private:
  // One byte past what the library is told, always zero: the texts stay
  // terminated whatever the library leaves.
  std::array<char, kSize + 1> first_{};
  std::array<char, kSize + 1> second_{};
};

// The msgPadrao2 key of a capture code (1..24), "" for the others.
AnsiString CaptureMessageKey(int code);
// The msgPadrao2 key of a reproduction code (2, 3, 7, 10; -3 as 3 when
// `negativeRange`), "" for the others.
AnsiString ReproductionMessageKey(int code, bool negativeRange);

// Shows `text` in the host's dialog with the standard filling.
void Show(const AnsiString& scheme, const AnsiString& text, mdx::TTipoMsg kind);
// Shows the msgPadrao2 text of `key`; nothing for an empty key.
void ShowKey(const AnsiString& scheme, const AnsiString& key, mdx::TTipoMsg kind);
// The msgPadrao2 text of `key`.
AnsiString Text2(const AnsiString& key);

// The program directory + "\Dados\MenuFiscal\" (Windows form).
AnsiString MenuFiscalFolder();
// The library's work folders, in the order they are made sure of.
extern const char* const kWorkFolders[2];
// Makes sure "C:\Sweda", then "c:\sweda\RFD\" exist, creating them when
// missing. Returns the Windows name of the first one that is neither found
// nor created, "" when both are there.
AnsiString EnsureWorkFolders();

}  // namespace Mdx00200::fiscalfiles
