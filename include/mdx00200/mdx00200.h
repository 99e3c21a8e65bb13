// The fiscal-printer driver package: its exported global state and its
// operations. Every operation is declared in namespace Mdx00200 and exported
// there (C++ names) and, except the five helpers marked below, also under
// its plain name (extern "C", same parameters), so a host can resolve it by
// name. Globals are exported under their plain names.
//
// Threading: one operation at a time, on the host's calling thread.
#pragma once

#include "mdx00200/ansi_string.h"
#include "mdx00200/datetime.h"
#include "mdx00200/export.h"
#include "mdx00200/maker_entry_points.h"
#include "mdx00200/variant.h"

namespace mdx {
class TClientDataSet;
class TStringList;
}  // namespace mdx

namespace Mdx00200 {

using mdx::AnsiString;
using mdx::OleVariant;
using mdx::TClientDataSet;
using mdx::TDateTime;
using mdx::TStringList;
using mdx::Variant;
using mdx::WideString;

class TdtmSweda200;
using LibraryHandle = void*;

extern "C" {

// The data module, created on first need and never destroyed.
MDX_API extern TdtmSweda200* dtmSweda200;
// True when StartImpFiscal found every entry point.
MDX_API extern bool boImpFiscalOK;
// Port names by number: "", "COM1" .. "COM12", "LPT1".
MDX_API extern AnsiString Portas[14];
// The id of the open port, passed to the library's close entry point.
MDX_API extern int IdPortaImpFis;
// The last reply of the printer.
MDX_API extern AnsiString SwedaRet;
// True while a command exchange runs.
MDX_API extern bool boComando;
// Switch of the wait for the end of printing (see EnviaComando_Sweda).
MDX_API extern bool SwedaVerifRetorno;

// Serial library entry points.
MDX_API extern TSwedaAbrePorta SwedaAbrePorta;
MDX_API extern TSwedaEnviaComando SwedaEnviaComando;
MDX_API extern TSwedaFechaPorta SwedaFechaPorta;
// Fiscal-file library entry points.
MDX_API extern TSwedaObterParametrosConfiguracao Sweda_ObterParametrosConfiguracao;
MDX_API extern TSwedaCapturarDispositivo Sweda_CapturarDispositivo;
MDX_API extern TSwedaArquivoEletronicoCOTEPE Sweda_ArquivoEletronicoCOTEPE;
MDX_API extern TSwedaDetectarECF Sweda_DetectarECF;
MDX_API extern TSwedaReproduzirLeituraMemoriaFiscal SWEDA_ReproduzirLeituraMemoriaFiscal;
MDX_API extern TSwedaReproduzirMemoriaFiscalMFD SWEDA_ReproduzirMemoriaFiscalMFD;
MDX_API extern TSwedaReproduzirFitaDetalhe SWEDA_ReproduzirFitaDetalhe;
MDX_API extern TSwedaExtrairInformacoesECF SWEDA_ExtrairInformacoesECF;
// Signature library entry points.
MDX_API extern TBematechSetLibType Bematech_setLibType;
MDX_API extern TBematechGenkkey Bematech_genkkey;
MDX_API extern TBematechGenerateEAD Bematech_generateEAD;
MDX_API extern TBematechValidateFile Bematech_validateFile;
// Library handles.
MDX_API extern LibraryHandle ImpFisDLLHandle;
MDX_API extern LibraryHandle SwMfdDLLHandle;
MDX_API extern LibraryHandle CONVECFHandle;
MDX_API extern LibraryHandle signDLLHandle;

// True when dialogs may be shown (the till is not a self-service terminal).
MDX_API extern bool boNUtilTaa;
// Printer messages gathered for a self-service terminal.
MDX_API extern AnsiString stMensagemTaa;
// Whether date-check and grand-total failures are shown in a dialog.
MDX_API extern bool boClieUtil;

// Totalizer positions and legends read from the printer's table.
MDX_API extern AnsiString IdTotParcSang;
MDX_API extern AnsiString IdTotParcSup;
MDX_API extern AnsiString IdTotParcOutr;
MDX_API extern AnsiString IdTotParcES;
MDX_API extern AnsiString stLegendasNFiscal;
MDX_API extern bool boTotalCV;

// Payment-method codes, printer positions and names.
MDX_API extern AnsiString CdFormPagCPess;
MDX_API extern AnsiString IdFormPagCPess;
MDX_API extern AnsiString DsFormPagCPess;
MDX_API extern AnsiString CdFormPagVCons;
MDX_API extern AnsiString IdFormPagVCons;
MDX_API extern AnsiString DsFormPagVCons;
MDX_API extern AnsiString stRelGer;

// The text-block buffer where report builders collect lines.
MDX_API extern WideString stAuxTextoMdx200;

// Exported for the host; the package never uses them.
MDX_API extern TClientDataSet* cdsAuxExtSimp;
MDX_API extern AnsiString ArquivoBinario;
MDX_API extern LibraryHandle CONVECFDLLHandle;
MDX_API extern LibraryHandle MSVCP60DLLHandle;
MDX_API extern TBematechGeraTxtPorCOO Bematech_GeraTxtPorCOO;
MDX_API extern TBematechGeraRegistrosTipoE Bematech_GeraRegistrosTipoE;

}  // extern "C"

// ---- Command channel --------------------------------------------------------

// Builds the frame ESC "." code params[0..lastIndex] "}" (five codes are sent
// under an alias: "12SN" as "12N", "_25" and "99" as "25", "98" as "27", "11"
// as "1151"), logs it, sends it through the serial library and keeps the
// reply in SwedaRet. With repeatWhileBusy a busy reply ("-P006") is resent, a
// bounded number of times with a short pause. A refusal with
// ownErrorHandling is only logged and gives false; otherwise the reply goes
// through ImpressoraOk, whose verdict is the result. An empty or garbled
// reply counts as a refusal.
MDX_API bool EnviaComando_Sweda(const AnsiString& scheme, const AnsiString& code,
                                const AnsiString* params, int lastIndex, bool ownErrorHandling,
                                bool repeatWhileBusy);
// Interprets SwedaRet: refusals and paper warnings become catalogue messages
// (always gathered in stMensagemTaa; shown as dialogs when boNUtilTaa). `show`
// allows the command-refused dialog; b3 and b4 have no effect. A refusal for
// an operation left open is answered with ESC ".05}".
MDX_API bool ImpressoraOk(const AnsiString& scheme, bool show, bool b3, bool b4);
// Appends "date time - text" to the month's debug log "impdebug" + MMYY +
// ".txt" in the host directory. Raises mdx::EInOutError when it cannot.
MDX_API void ImpFisDebug(const AnsiString& text);

// ---- Conversion helpers (exported under their C++ names only) ---------------

// An amount as the printer writes it (digits with two implied decimals, "."
// and "," ignored) as a number. Raises mdx::EConvertError when it is none.
MDX_API double GetValue(const AnsiString& text);
// The text without ".", "/" and "-" (a tax id as bare digits).
MDX_API AnsiString FormataCNPJ(const AnsiString& text);
// The text's NUL-terminated characters, valid while the text lives; a copy in
// the next of eight rotating slots when the text holds none of its own.
MDX_API const char* StrToPChar(const AnsiString& text);

}  // namespace Mdx00200

// The operations, by area.
#include "mdx00200/session.h"
#include "mdx00200/status.h"
#include "mdx00200/grand_total.h"
#include "mdx00200/tables.h"
#include "mdx00200/coupon.h"
#include "mdx00200/reports.h"
#include "mdx00200/fiscal_day.h"
#include "mdx00200/product_report.h"
#include "mdx00200/till_closing.h"
#include "mdx00200/table_documents.h"
#include "mdx00200/blocked_products.h"
#include "mdx00200/credit.h"
#include "mdx00200/peripherals.h"
#include "mdx00200/fiscal_menu.h"
