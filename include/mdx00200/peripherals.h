// Devices and clock: drawer, cutter, summer time, cheques, bar codes.
// Part of the package's interface; include "mdx00200/mdx00200.h".
//
// Each operation sends its command through EnviaComando_Sweda with the flags
// given below (ownErrorHandling; repeatWhileBusy). With ownErrorHandling a
// refusal is only logged; otherwise the channel reports it and gathers its
// texts in stMensagemTaa.
#pragma once

#include "mdx00200/mdx00200.h"

namespace Mdx00200 {

// ---- Drawer, cutter and summer time ----------------------------------------

// Opens the cash drawer: "21" (the caller's flag; no busy repeat). True when
// the printer accepted it.
MDX_API bool Abre_Gaveta_Imp(const AnsiString& scheme, bool ownErrorHandling);

// The drawer's state: "22" (own handling; no busy repeat), then, when it was
// accepted, RetornoImpFiscal(scheme, "22"): "00" when position 6 of the reply
// is "0" (closed), else "01". "" when "22" was refused.
MDX_API AnsiString Estado_Gaveta_Imp(const AnsiString& scheme);

// Cuts the paper: "62" + "1" (own handling; no busy repeat). True when the
// printer accepted it.
MDX_API bool Guilhotina_Sweda(const AnsiString& scheme);

// Whether summer time is in force: "28" (the channel reports; busy repeat),
// then true when position 57 of the last reply is "S", whatever the outcome
// (a refusal is too short for it and reads as not).
MDX_API bool Estado_HorVerao(const AnsiString& scheme);

// Switches between summer and standard time: reads the indicator as
// Estado_HorVerao does, then sends "36" + "N" when it is "S", else "36" +
// "S" (the channel reports; no busy repeat). The outcome of "36".
MDX_API bool Muda_Horario(const AnsiString& scheme);

// ---- Cheques -----------------------------------------------------------------
// The host composes every field in the printer's notation; each operation
// sends its texts in order, without separators, in one command and returns
// the channel's verdict. No argument is checked; the order of the calls is
// the host's.

// The cheque's format: "46" + "S" + format (the channel reports; busy repeat).
MDX_API bool Formato_Chq(const AnsiString& scheme, const AnsiString& format);
// An alteration: "45" + text1 + text2 (own handling; no busy repeat).
MDX_API bool Altera_Chq(const AnsiString& scheme, const AnsiString& text1,
                        const AnsiString& text2);
// The cheque's data: "44" + text1 .. text4 (own handling; no busy repeat).
// Four empty texts send ESC ".44}".
MDX_API bool Dados_Chq(const AnsiString& scheme, const AnsiString& text1, const AnsiString& text2,
                       const AnsiString& text3, const AnsiString& text4);
// Ends the cheque: "_25", sent as "25", with no parameters and the caller's
// two flags as they are.
MDX_API bool Fecha_Imp_Chq_Sweda(const AnsiString& scheme, bool ownErrorHandling,
                                 bool repeatWhileBusy);

// ---- Bar codes ---------------------------------------------------------------

// Prepares the symbology letter of `symbology` ("UPC-A", "UPC-E", "EAN-13",
// "EAN-8", "CODE39", "ITF", "BAR CODE", "PDF – 417" with the en dash of code
// page 1252, "CODE93", "CODE128"; exact and case-sensitive) and, for the four
// retail symbologies, the data right-aligned in its width (12, 8, 12, 8).
// No command prints a bar code yet, so nothing prepared leaves the function:
// it sends nothing, changes nothing and returns true, whatever its
// arguments. The first four are not read.
MDX_API bool CodigoBarra(const AnsiString& scheme, const AnsiString& unused2,
                         const AnsiString& unused3, int unused4, const AnsiString& data,
                         const AnsiString& symbology);

}  // namespace Mdx00200
