// The printer session: StartImpFiscal, AbrePorta, FechaPorta, StopImpFiscal, Carrega_Dados_Impressora.
// Part of the package's interface; include "mdx00200/mdx00200.h".
#pragma once

#include "mdx00200/mdx00200.h"

namespace Mdx00200 {

// Opens a session. Reads CDFILIAL, CDCAIXA, NRSERIEIMP, ESQUEMA,
// CDPORTAIMPFIS and BOUTILTAA (an unreadable record shows the parameter-error
// message and the start goes on with what was read); boNUtilTaa := NOT
// BOUTILTAA. Loads "SERSWEDA", "swmfd" and "CONVECF" by their platform file
// names through the normal search path, each once per process, and resolves
// their entry points into the exported globals. Returns false when the serial
// library is missing or the port does not open (AbrePorta). A missing entry
// point forgets the entry points (StopImpFiscal) and returns true with
// boImpFiscalOK false; boImpFiscalOK is true only when every entry point was
// found (or "swmfd" is absent) and the port opened. The host tests both.
MDX_API bool StartImpFiscal(Variant& params);

// Opens the port named by CDPORTAIMPFIS (its index in Portas, 14 for an
// unknown name) and brings the printer to a known state: status "23", then
// "28"; a sale under way ("P VENDAS"/"E VENDAS") or the host's sale files
// "cdsVenda.cds"/"cdsItensCancelados.cds" in the host directory lead to the
// coupon cancel "05" and Atu_TotGeral in update mode; "12" closes any open
// report. Returns false when the port does not open (log line and dialog) or
// "23" is refused; otherwise the reply check of the "23" reply. A record that
// cannot be read raises mdx::Exception to the caller.
MDX_API bool AbrePorta(const Variant& params);

// Closes the port through the serial library's close entry with IdPortaImpFis
// and returns its result; 0 (false), calling nothing, when no close entry is
// resolved (before a successful StartImpFiscal or after StopImpFiscal).
MDX_API int FechaPorta();

// Forgets the resolved entry points, except Sweda_ObterParametrosConfiguracao
// and Sweda_DetectarECF. The libraries stay loaded; boImpFiscalOK is kept.
MDX_API void StopImpFiscal();

// Reads the printer's identity. The record (ESQUEMA, DATAATUIMP, ECFIMP,
// REDIMP, SERIEIMP, DATAIMP; read guarded like StartImpFiscal's) is replaced
// by a new one with the pairs DATAATUIMP, ECFIMP, REDIMP, SERIEIMP, DATAIMP in
// this order: the values read from the printer, or the values received where
// a step did not run. Returns false when the movement date of register 1 is
// blank (then only DATAIMP changes), true otherwise.
MDX_API bool Carrega_Dados_Impressora(Variant& params);

}  // namespace Mdx00200
