// Valid parameter records, positional lists and host datasets of the
// operations, as a till passes them: the starting points of the operation
// fuzz targets.
#pragma once

#include <initializer_list>
#include <utility>
#include <vector>

#include "mdx00200/dataset.h"
#include "mdx00200/variant.h"

namespace mdx::fuzz {

inline constexpr char kScheme[] = "001";

// A parameter record: an array of (name, value) pairs.
Variant Record(std::initializer_list<std::pair<const char*, Variant>> pairs);

Variant SessionRecord();      // StartImpFiscal, AbrePorta
Variant PrinterDataRecord();  // Carrega_Dados_Impressora
Variant GrandTotalRecord();   // Atu_TotGeral
Variant CouponRecord();       // AbreCupom
Variant ItemRecord();         // VendaItem
Variant SerialCheckRecord();  // VerificaSerialImp

// Positional lists.
std::vector<Variant> ClosingList(double paid);  // FechaCupom
std::vector<Variant> CancelList();              // Cancela_Cupom_Imp
std::vector<Variant> MirrorList();              // geraEspelhoMfd
std::vector<Variant> MfdFileList();             // Gera_ArquivoMFD
std::vector<Variant> MemoryReadingList();       // EmiteLeituraMemoriaFiscalSerial
std::vector<Variant> PafList();                 // ImprimeDadosPaf

// Data packets.
Variant PaymentMethodsPacket();  // the till's payment methods
Variant MovementsPacket(double amount);
Variant TableItemsPacket();      // a table's items (Conferencia, Abertura_Mesa)
Variant CreditProductsPacket();  // the sale's products on a consumer-credit receipt

// A host dataset's packet: fields "NAME:S20" (text of 20), "NAME:F"
// (float), rows of one variant per field.
Variant HostPacket(const std::vector<const char*>& fields, const std::vector<std::vector<Variant>>& rows);

// Host datasets.
void ReceiptTypes(TClientDataSet& ds);     // ExportRedZ
void ReceiptMethods(TClientDataSet& ds);   // CarregaRecebimento

}  // namespace mdx::fuzz
