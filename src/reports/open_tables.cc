// ImprimeMesasAbertas: the open tables and tabs, in the caller's order, with
// a section header wherever the kind of the row changes.
#include "frame/data_module.h"
#include "mdx00200/dataset.h"
#include "mdx00200/datetime.h"
#include "mdx00200/hostlib.h"
#include "reports/document_commands.h"
#include "reports/report_guard.h"
#include "reports/report_input.h"

namespace Mdx00200 {

namespace {

enum class Section { kNone, kTables, kDeliveryTabs, kTabs };

// The kind of a row, from the first three characters of DSCOMANDA.
Section SectionOf(const AnsiString& tab) {
  const AnsiString prefix = tab.substr(0, 3);
  if (prefix == "RES" || prefix == "PKR") return Section::kTables;
  if (prefix == "DLV") return Section::kDeliveryTabs;
  return Section::kTabs;
}

bool Line(const AnsiString& scheme, const AnsiString& text) {
  return reports::SendLine(scheme, text, true);
}

void SectionHeader(const AnsiString& scheme, Section section) {
  Line(scheme, "");
  switch (section) {
    case Section::kTables:
      Line(scheme, "Mesas Abertas:\n");
      Line(scheme, "Nr\xBA da Mesa      Data/Hora de abertura\n");
      break;
    case Section::kDeliveryTabs:
      Line(scheme, "Comandas Rapitab Abertas:\n");
      Line(scheme, "Nr\xBA da Comanda   Data/Hora de abertura\n");
      break;
    default:
      Line(scheme, "Comandas Abertas:\n");
      Line(scheme, "Nr\xBA da Comanda   Data/Hora de abertura\n");
      break;
  }
}

}  // namespace

bool ImprimeMesasAbertas(TClientDataSet*& /*unused1*/, const AnsiString& /*unused2*/,
                         const AnsiString& /*unused3*/, const AnsiString& scheme,
                         const OleVariant& tables) {
  TClientDataSet& rows = *DataModule().cdsMesaAberMdx;
  reports::LoadPacket(rows, tables, "ImprimeMesasAbertas");
  mdx::TField& tab = rows.FieldByName("DSCOMANDA");
  mdx::TField& table = rows.FieldByName("NRMESA");
  mdx::TField& opened = rows.FieldByName("DTHRABERMESA");

  reports::OpenReport(scheme, false);
  reports::PrintOrClose(
      [&] {
        Line(scheme, Consiste::Centraliza("Mesas/Comandas Abertas", 48) + "\n");
        Line(scheme, "Data Emiss\xE3o: " + mdx::FormatDateTime("dd/mm/yyyy hh:nn:ss", mdx::Now()));
        Section previous = Section::kNone;
        for (rows.First(); !rows.Eof(); rows.Next()) {
          const Section section = SectionOf(tab.AsString());
          if (section != previous) SectionHeader(scheme, section);
          previous = section;
          if (section == Section::kTables) {
            Line(scheme, table.AsString() + AnsiString(13, ' ') + opened.AsString());
          } else {
            Line(scheme, tab.AsString() + AnsiString(7, ' ') + opened.AsString());
          }
        }
      },
      [&] { reports::CloseReport(scheme, true); });
  reports::CloseReport(scheme, true);
  return true;
}

}  // namespace Mdx00200
