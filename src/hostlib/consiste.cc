// Text padding, rounding and small helpers of the host library. Widths count
// bytes (characters of code page 1252); a width of zero or less gives "".
#include "mdx00200/hostlib.h"
#include "mdx00200/number_format.h"

namespace Consiste {

using mdx::AnsiString;

namespace {

// text right-aligned in width, filled with fill on the left; a text already
// as wide or wider comes back unchanged, so the caller can see it did not fit.
AnsiString FillLeft(const AnsiString& text, int width, char fill) {
  if (width <= 0) return "";
  size_t w = static_cast<size_t>(width);
  if (text.size() >= w) return text;
  return AnsiString(w - text.size(), fill) + text;
}

}  // namespace

void Delay(int count) { mdx::Host().Delay(count); }

bool EmptyString(const AnsiString& text) {
  for (char c : text)
    if (static_cast<unsigned char>(c) > ' ') return false;
  return true;
}

AnsiString AjustaZero(const AnsiString& text, int width) { return FillLeft(text, width, '0'); }

AnsiString Ajusta(const AnsiString& text, int width) { return FillLeft(text, width, ' '); }

AnsiString PadL(const AnsiString& text, int width) { return FillLeft(text, width, ' '); }

AnsiString TamFixo(const AnsiString& text, int width) {
  if (width <= 0) return "";
  size_t w = static_cast<size_t>(width);
  if (text.size() >= w) return text.substr(0, w);
  return text + AnsiString(w - text.size(), ' ');
}

AnsiString TamFixoR(const AnsiString& text, int width) {
  if (width <= 0) return "";
  size_t w = static_cast<size_t>(width);
  if (text.size() >= w) return text.substr(text.size() - w);
  return AnsiString(w - text.size(), ' ') + text;
}

AnsiString Centraliza(const AnsiString& text, int width) {
  if (width <= 0) return "";
  size_t w = static_cast<size_t>(width);
  if (text.size() >= w) return text.substr(0, w);
  size_t left = (w - text.size()) / 2;
  return AnsiString(left, ' ') + text + AnsiString(w - text.size() - left, ' ');
}

AnsiString Replicate(const AnsiString& text, int count) {
  AnsiString out;
  if (count <= 0 || text.empty()) return out;
  out.reserve(text.size() * static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) out += text;
  return out;
}

double RoundDec(double value, int decimals) { return mdx::RoundTo(value, decimals); }

double Trunc2(double value) { return mdx::TruncateTo(value, 2); }

double Trunc3(double value) { return mdx::TruncateTo(value, 3); }

mdx::Variant iif(bool condition, const mdx::Variant& whenTrue, const mdx::Variant& whenFalse) {
  return condition ? whenTrue : whenFalse;
}

}  // namespace Consiste
