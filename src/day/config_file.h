// The printer configuration file "Vendora.cds" in the host directory, and
// its fallback "kor" + till + branch + ".cds", as the grand-total upkeep
// reads and writes them.
#pragma once

#include "mdx00200/ansi_string.h"

namespace mdx {
class TClientDataSet;
class TField;
}  // namespace mdx

namespace Mdx00200::config {

using mdx::AnsiString;

// The fixed key of the configuration-field cipher: every encrypted field of
// the file (NRSERIEECF, CAMPO02, MD5ARQUIVOTXT) goes through
// Criptografa::Cripto and Criptografa::Uncripto with this key, in both
// directions. Changing it makes every installed file unreadable.
inline constexpr int kCipherKey = 200;

// directory + "Vendora.cds".
AnsiString MainFile(const AnsiString& directory);
// directory + "kor" + till + branch + ".cds" (till before branch, no separator).
AnsiString FallbackFile(const AnsiString& directory, const AnsiString& till,
                        const AnsiString& branch);

// Loads mainFile into the dataset (its filter switched off first), or, when
// that fails, fallbackFile. Returns true when the fallback was loaded; raises
// the fallback's error when it does not load either.
bool Load(mdx::TClientDataSet& dataSet, const AnsiString& mainFile,
          const AnsiString& fallbackFile);

// The filter of the record of a branch, till and (encrypted) serial number,
// and with activeOnly of the active one (IDSITECFIMPF 'A'). Quotes inside the
// values are doubled, so a value never changes the expression.
AnsiString RecordFilter(const AnsiString& branch, const AnsiString& till,
                        const AnsiString& encryptedSerial, bool activeOnly);

// Sets a text field to the whole text. Raises mdx::EDatabaseError when the
// text is longer than the field, which would cut it (a cut cipher text no
// longer decrypts).
void SetWhole(mdx::TField& field, const AnsiString& text);

}  // namespace Mdx00200::config
