// The entry points of the serial library as a till resolves them by name.
// C functions, __stdcall on Win32 (exported under their plain names), text
// as NUL-terminated char*.
#pragma once

#include "emulator/virtual_printer.h"

#ifdef _WIN32
#define SERSWEDA_EXPORT extern "C" __declspec(dllexport)
#define SERSWEDA_CALL __stdcall
#else
#define SERSWEDA_EXPORT extern "C" __attribute__((visibility("default")))
#define SERSWEDA_CALL
#endif

// Opens port `port` (1-12 are COM1-COM12, 13 is LPT1); `mode` is accepted
// and ignored. Returns the port id 1 on success (also when it is already
// open), 0 when the port number is outside 1-13, the configured transport
// is not available or its device cannot be opened (with a message on stderr).
SERSWEDA_EXPORT int SERSWEDA_CALL AbrePorta(int port, int mode);

// Sends one NUL-terminated frame and waits for the reply. `reply` is a
// 256-byte buffer: byte 0 gets the reply's length, bytes 1.. the reply (at
// most 255 characters; a longer reply is cut to 255), then a NUL when there
// is room. Returns
//    1  a reply came (reply[0] its length);
//    0  no answer (reply[0] = 0);
//   -1  the port is not open (reply[0] = 0);
//   -2  frame or reply is null (reply[0] = 0 when reply is not null).
SERSWEDA_EXPORT int SERSWEDA_CALL EnviaComando(const char* frame, unsigned char* reply);

// Closes the port of id `id` (and the line's device) and saves the in-process
// printer's state. Returns 1, or 0
// when `id` is not the id of the open port.
SERSWEDA_EXPORT int SERSWEDA_CALL FechaPorta(int id);

// Control entries for tests and tools (plain C calling convention). The
// printer object lives in this library; it stays valid until the next
// Sersweda_RestartVirtualPrinter. Both create the printer on first use.
// Both return nullptr when the printer is on a serial line (the tty
// transport): there is no printer object in this process then.
//
// The in-process printer behind the port.
SERSWEDA_EXPORT mdx::emulator::VirtualPrinter* Sersweda_VirtualPrinter();
// Switches the printer off and on: reads the environment settings again and
// replaces the printer with a new object loaded from the state file (a fresh
// one when there is none). The port stays as it was. Returns the new printer.
SERSWEDA_EXPORT mdx::emulator::VirtualPrinter* Sersweda_RestartVirtualPrinter();
// The loopback port of the printer's page (MDX_PRINTER_VIEW, served by the
// in-process printer), or 0 when no page is served.
SERSWEDA_EXPORT int Sersweda_ViewPort();
