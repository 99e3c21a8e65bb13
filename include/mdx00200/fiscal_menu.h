// The fiscal menu: the printer's authorization, the application's
// identification report, the detail-tape and fiscal-memory files, the daily
// sales files and their signature.
// Part of the package's interface; include "mdx00200/mdx00200.h".
//
// The file generators hand the serial port to the maker's fiscal-file
// libraries (swmfd, CONVECF): they close the port, detect the printer, have
// the library capture its memory and write the file, then reopen the session
// (StartImpFiscal, Carrega_Dados_Impressora) where said. Their Windows paths
// ("\Dados\MenuFiscal\", "C:\Sweda") are mapped to the platform (see
// PlatformPath). A serial number, range value or date that would take a file
// name out of its folder (a separator, "..", a drive, a control character)
// fails the operation with false before anything is written.
#pragma once

#include "mdx00200/mdx00200.h"

namespace Mdx00200 {

// Whether the printer attached is the one this till is registered for.
// Reads UTILIZAIMPFIS, DSDIRCAD, ESQUEMACOR and REV_NRSERIE_IMP from the
// record. True without a printer command when UTILIZAIMPFIS is false.
// Otherwise "99", "27" + "3" (the serial number: 9 characters from position
// 13 of the reply, trimmed), "99"; then compares it with the NRSERIEECF of
// DSDIRCAD + "Vendora.cds" (deciphered) and with REV_NRSERIE_IMP, exactly.
// Every failure sets boClieUtil false and shows its message (ERRO_COM_ECF,
// VENDORA_N_ENC, ECFERRADO2 once per failed comparison) when boNUtilTaa or
// not boClieUtil.
MDX_API bool VerificaSerialImp(const Variant& params);

// Prints the application's identification as a management report: elements
// 2 (scheme), 3 (cdsDadosPaf packet), 4 (cdsBuscaNrSerieEcf packet); the
// MD5 list "Dados\Cadastros\ArquivosXopMd5.cds" and "Vendora.cds" from the
// host directory when they exist. An error ends it with its message shown
// (the report is left open). `result` is not touched.
MDX_API void ImprimeDadosPaf(const Variant* params, int highIndex, OleVariant& result);

// The detail-tape mirror of a COO or date range (elements 6 and 7) into
// "\Dados\MenuFiscal\Espelho_MFD_ddmmyyyyhhnnss.txt" under the host
// directory, signed. Shows the success message with the file's name; true
// on success.
MDX_API bool geraEspelhoMfd(const Variant* params, int highIndex, OleVariant& result);

// The detail-tape memory's electronic file of a date range (element 0 "D")
// or COO range into "\Dados\MenuFiscal\Ato_Cotepe.txt" (element 3 "MF") or
// "<serial>_<first>_<last>.Txt", signed. No message on success.
MDX_API bool Gera_ArquivoMFD(const Variant* params, int highIndex, OleVariant& result);

// Has the printer print its fiscal-memory reading: "16" by date (range kind
// "DATA", dates "dd/mm/yyyy" sent as "ddmmyy") or "15" otherwise, then the
// non-fiscal document hook with "MF". True unless an error was raised.
MDX_API bool EmiteLeituraMemoriaFiscal(const AnsiString& scheme, const AnsiString& first,
                                       const AnsiString& last, const AnsiString& option,
                                       const AnsiString& rangeKind,
                                       const AnsiString& documentText);

// The fiscal-memory reading as a signed file: the converted file
// "MF<fabrication number>_yyyymmdd_hhmmss.txt" (element 3 "C" in any case)
// or the simplified reading "LMFS_<serial>_yyyymmdd_hhmmss.txt".
MDX_API bool EmiteLeituraMemoriaFiscalSerial(const Variant* params, int highIndex,
                                             OleVariant& result);

// Kept for the host: answers true and does nothing.
MDX_API bool GeraBinMes(TDateTime first, TDateTime last, const AnsiString& text);

// The daily sales files of a period, one per day with movement, named
// "c:\sweda\rfd\SW" + branch + till + "ddmmyyyy.txt"; their names go into
// `files` (created here, owned by the host). True when at least one was
// written; the days without movement are reported in one message.
MDX_API bool GeraCatGenerica(const Variant* params, int highIndex, TStringList*& files);

// Signs a finished file in place through the signature library (an EAD
// record appended). Silent: without the library, or one of its entry
// points, the file stays unsigned.
MDX_API void geraEad(const AnsiString& fileName);

}  // namespace Mdx00200
